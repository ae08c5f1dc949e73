#include "app/controls/Timer.h"

void Timer::SetEnabled(bool enabled) {
    if (enabled_.exchange(enabled) == enabled) return;
    if (!peer_) return;
    if (enabled)
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
