#include "app/controls/Timer.h"

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (!peer_) return;
    if (enabled_)
        peer_->Start(interval_);
    else
        peer_->Stop();
}

void Timer::Fire() {
    // A tick already queued when the timer was stopped must not run.
    if (enabled_ && Tick) Tick();
}

void Timer::Bind(TimerPeer* peer) {
    peer_ = peer;
    if (peer_ && enabled_) peer_->Start(interval_);
}
