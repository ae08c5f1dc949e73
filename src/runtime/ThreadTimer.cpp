#include "runtime/ThreadTimer.h"

#include <algorithm>
#include <atomic>

struct ThreadTimer::Run {
    std::function<void()> tick;
    DWORD intervalMs;
    std::atomic<DWORD> threadId{0};
    SRWLOCK lock = SRWLOCK_INIT;  // held for each tick
    bool stopped = false;

    // No exception may leave the thread: one tick's failure (a listing that ran out of
    // memory) costs that tick, not the program, and the next tick comes as due.
    void TickGuarded() {
        try {
            tick();
        } catch (...) {
        }
    }

    static DWORD WINAPI Loop(void* owner) {
        const std::unique_ptr<std::shared_ptr<Run>> run(static_cast<std::shared_ptr<Run>*>(owner));
        Run& self = **run;
        self.threadId = GetCurrentThreadId();
        // Ticks keep to the interval however long each takes, as a window timer's do; one
        // that is late by a whole interval is not caught up with, also as there.
        ULONGLONG due = GetTickCount64();
        for (;;) {
            due += self.intervalMs;
            const ULONGLONG now = GetTickCount64();
            if (due <= now) due = now + self.intervalMs;
            Sleep(static_cast<DWORD>(due - now));
            AcquireSRWLockExclusive(&self.lock);
            if (!self.stopped) self.TickGuarded();
            const bool stopped = self.stopped;
            ReleaseSRWLockExclusive(&self.lock);
            if (stopped) return 0;
        }
    }
};

void ThreadTimer::Start(unsigned intervalMs) {
    // Restarting starts the count anew, as SetTimer does for a running timer.
    Stop();
    auto run = std::make_shared<Run>();
    run->tick = tick_;
    // Below the window timers' minimum the ticks would come faster than on Windows.
    run->intervalMs = std::max<DWORD>(intervalMs, USER_TIMER_MINIMUM);
    // Set before the thread exists, so that its ticks see it.
    run_ = run;
    auto* threadsShare = new std::shared_ptr<Run>(std::move(run));
    const HANDLE thread = CreateThread(nullptr, 0, &Run::Loop, threadsShare, 0, nullptr);
    if (thread) {
        CloseHandle(thread);
        return;
    }
    delete threadsShare;
    run_.reset();
}

void ThreadTimer::Stop() {
    if (!run_) return;
    // From its own tick the lock is held already, and the loop ends after this tick.
    if (run_->threadId == GetCurrentThreadId()) {
        run_->stopped = true;
        return;
    }
    AcquireSRWLockExclusive(&run_->lock);
    run_->stopped = true;
    ReleaseSRWLockExclusive(&run_->lock);
    run_.reset();
}
