#pragma once
#include <windows.h>

#include "platform/windowing/ControlPeer.h"

// A real check box or group box behind a headless CheckBox or GroupFrame.
class ButtonPeer : public ControlPeer {
public:
    explicit ButtonPeer(HWND button) : button_(button) {}
    void SetEnabled(bool enabled) override;
    // A value set from code shows in the real box.
    void SetValue(int value) override;

private:
    HWND button_;
};
