#pragma once
#include <functional>

#include "app/controls/Control.h"

// A two-state check box (0 unchecked, 1 checked). Like a toolkit check box, a change of
// its value from code raises Click exactly as the user's click does.
class CheckBox : public Control {
public:
    int Value() const { return value_; }
    // False, and nothing changes, for a value the box cannot take.
    bool SetValue(int value);
    // The user clicked the real box: its state flips.
    void UserClick() { SetValue(value_ ? 0 : 1); }
    void Bind(ControlPeer* peer) override;

    std::function<void()> Click;

private:
    int value_ = 0;
};
