#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "platform/windowing/ControlPeer.h"

// A timer whose ticks run on a thread of its own that sleeps between them. Under Wine a
// window timer goes through the server at every tick and wakes the window's thread; a
// plain Sleep does neither, which matters for a timer that ticks a hundred times a second
// for a minute. The tick must therefore not touch any window.
//
// Start and Stop come from the window's thread, or Stop from the timer's own tick. Stop
// waits for a tick that is running, never for the sleep: a stopped thread ends by itself
// when it wakes, without a tick.
class ThreadTimer : public TimerPeer {
public:
    explicit ThreadTimer(std::function<void()> tick) : tick_(std::move(tick)) {}
    ~ThreadTimer() override { Stop(); }
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;

    void Start(unsigned intervalMs) override;
    void Stop() override;

private:
    struct Run;  // one started thread's ticks, shared by the thread and the timer

    std::function<void()> tick_;
    std::shared_ptr<Run> run_;
};
