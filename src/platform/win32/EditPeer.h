#pragma once
#include <windows.h>

#include "app/controls/ControlPeer.h"

// A real edit control behind a headless TextBox.
class EditPeer : public ControlPeer {
public:
    explicit EditPeer(HWND edit) : edit_(edit) {}
    void SetEnabled(bool enabled) override { EnableWindow(edit_, enabled); }
    void SetText(const std::wstring& text) override { SetWindowTextW(edit_, text.c_str()); }

private:
    HWND edit_;
};
