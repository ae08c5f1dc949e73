// The termination window's timer: a tick that throws costs only itself, a tick that stops
// the timer is its last, a stopped timer starts again, Stop from outside returns only when
// no tick runs, and an interval below the window timers' minimum is raised to it.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "runtime/ThreadTimer.h"

TEST(ThreadTimerWin32, StopsFromItsOwnTickOrFromOutsideAndStartsAgain) {
    std::atomic<int> ticks{0};
    ThreadTimer* self = nullptr;
    ThreadTimer timer([&] {
        if (++ticks == 1) throw 1;
        if (ticks == 3) self->Stop();
    });
    self = &timer;
    for (const int stopAt : {3, 13}) {
        const int before = ticks;
        const DWORD started = GetTickCount();
        timer.Start(1);
        while (ticks < stopAt) Sleep(1);
        if (stopAt > 3) timer.Stop();
        EXPECT_GE(GetTickCount() - started + 20, static_cast<DWORD>((stopAt - before) * USER_TIMER_MINIMUM));
        const int last = ticks;
        Sleep(100);
        EXPECT_EQ(ticks, last) << "a tick after the timer stopped";
    }
}
