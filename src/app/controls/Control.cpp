#include "app/controls/Control.h"

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (peer_) peer_->SetEnabled(enabled);
}

void Control::Bind(ControlPeer* peer) {
    peer_ = peer;
    if (peer_) peer_->SetEnabled(enabled_);
}
