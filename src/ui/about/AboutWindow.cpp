#include "ui/about/AboutWindow.h"

#include <commctrl.h>

#include "ui/about/AboutWindowDesign.h"
#include "ui/CommonControls.h"
#include "ui/Dpi.h"
#include "runtime/MessageLoop.h"
#include "ui/WindowProcedure.h"
#include "resource_ids.h"

using namespace about_design;

AboutWindow::AboutWindow(HINSTANCE instance, HWND owner, AboutView& about)
    : about_(about), owner_(owner) {
    InitCommonControlsOnDemand(ICC_WIN95_CLASSES);
    EnsureWindowClass(instance, kAboutWindowClass, OwnedWindowProcedure<AboutWindow>, nullptr,
                      GetSysColorBrush(COLOR_BTNFACE));
    CreateWindowExW(kWindowExStyle, kAboutWindowClass, kCaption, kWindowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, 0, 0, owner, nullptr, instance, this);
    if (!window_) return;
    CreateControls(instance);
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    const SIZE size = LayOut(WindowDpi(window_));
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CentreOnScreen();
}

AboutWindow::~AboutWindow() { Close(); }

HWND AboutWindow::ControlWindow(int id) const {
    if (id == IDC_ABOUT_CLOSE) return closeButton_;
    for (const Label& label : labels_)
        if (label.id == id) return label.window;
    return nullptr;
}

void AboutWindow::ShowModal() {
    if (!window_) return;
    ownerWasEnabled_ = owner_ && IsWindowEnabled(owner_);
    if (owner_) EnableWindow(owner_, FALSE);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    if (closeButton_) SetFocus(closeButton_);
    RunModalLoop([this] { return window_ == nullptr; });
    Close();
}

void AboutWindow::Close() {
    // The owner comes back first, so that it, not another program, gets the activation.
    if (ownerWasEnabled_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
    ownerWasEnabled_ = false;
    if (window_) DestroyWindow(window_);
}

const AboutWindow::Label* AboutWindow::LabelOf(HWND control) const {
    for (const Label& label : labels_)
        if (label.window == control) return &label;
    return nullptr;
}

LRESULT AboutWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            window_ = window;
            break;
        case WM_COMMAND:
            return OnCommand(wParam);
        case WM_CTLCOLORSTATIC:
            return OnControlColour(wParam, lParam);
        case WM_SETCURSOR:
            return OnSetCursor(window, wParam, lParam);
        case WM_CLOSE:
            return OnCommand(MAKEWPARAM(IDCANCEL, BN_CLICKED));
        case WM_DPICHANGED:
            return OnDpiChanged(wParam, lParam);
        case WM_NCDESTROY:
            window_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT AboutWindow::OnCommand(WPARAM wParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == STN_CLICKED && id == IDC_LINK_MAIL) about_.Labelr_Click(0);
    if (code == STN_CLICKED && id == IDC_LINK_HOME) about_.Labelr_Click(1);
    if (code == BN_CLICKED && (id == IDC_ABOUT_CLOSE || id == IDOK || id == IDCANCEL)) {
        about_.Command_Click();
        if (about_.Closed()) Close();
    }
    return 0;
}

LRESULT AboutWindow::OnControlColour(WPARAM dc, LPARAM control) {
    const HWND hwnd = reinterpret_cast<HWND>(control);
    const Label* label = LabelOf(hwnd);
    if (!label) return DefWindowProcW(window_, WM_CTLCOLORSTATIC, dc, control);
    const HDC hdc = reinterpret_cast<HDC>(dc);
    if (label->id == kVersionLabel)
        SetTextColor(hdc, kVersionColour);
    else if (label->link)
        SetTextColor(hdc, kLinkColour);
    else
        SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(hdc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT AboutWindow::OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
    const Label* label = LabelOf(reinterpret_cast<HWND>(wParam));
    if (label && label->link) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return DefWindowProcW(window, WM_SETCURSOR, wParam, lParam);
}

LRESULT AboutWindow::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    const SIZE size = LayOut(LOWORD(wParam));
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}
