#pragma once
#include <atomic>
#include <functional>

#include "platform/windowing/ControlPeer.h"

// A timer that raises Tick every Interval ms while enabled. Enabling a stopped timer
// starts the count anew; enabling a running one changes nothing. A tick may come on a
// thread of the real timer's own and stop the timer while the window's thread stops it too.
class Timer : public TimerTarget {
public:
    explicit Timer(unsigned intervalMs) : interval_(intervalMs) {}
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    // One tick; called by the bound real timer, or by a test that advances time by hand.
    void Fire() override;
    void Bind(TimerPeer* peer);

    std::function<void()> Tick;

private:
    TimerPeer* peer_ = nullptr;
    unsigned interval_;
    std::atomic<bool> enabled_{false};
};
