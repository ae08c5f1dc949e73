#pragma once
#include <windows.h>

#include "platform/windowing/ControlPeer.h"

// The hidden window whose text is the headless TextBox's: the drive last reported, which
// other programs can read with WM_GETTEXT.
class SignalFieldPeer : public ControlPeer {
public:
    explicit SignalFieldPeer(HWND field) : field_(field) {}
    void SetEnabled(bool enabled) override { EnableWindow(field_, enabled); }
    void SetText(const std::wstring& text) override { SetWindowTextW(field_, text.c_str()); }

private:
    HWND field_;
};
