#include "app/controls/CheckBox.h"

bool CheckBox::SetValue(int value) {
    if (value != 0 && value != 1) return false;
    if (value == value_) return true;
    value_ = value;
    if (peer_) peer_->SetValue(value_);
    if (Click) Click();
    return true;
}

void CheckBox::Bind(ControlPeer* peer) {
    Control::Bind(peer);
    if (peer_) peer_->SetValue(value_);
}
