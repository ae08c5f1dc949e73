#include "ui/main/MainWindow.h"

#include "ui/Dpi.h"
#include "ui/main/MainWindowDesign.h"
#include "ui/main/OptionsPanelLayout.h"
#include "ui/WindowProcedure.h"
#include "resource_ids.h"

namespace {

const wchar_t kMainWindowClass[] = L"TrayhushMainWindow";
const wchar_t kCaption[] = L"Trayhush";

HICON DesignIcon(HINSTANCE instance) {
    const HANDLE green = LoadImageW(instance, MAKEINTRESOURCEW(IDI_DISC_GREEN), IMAGE_ICON, 0, 0,
                                    LR_DEFAULTSIZE | LR_SHARED);
    return green ? static_cast<HICON>(green) : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, FormEvents& form) : form_(form), instance_(instance) {
    EnsureWindowClass(instance, kMainWindowClass, OwnedWindowProcedure<MainWindow>,
                      DesignIcon(instance), GetSysColorBrush(COLOR_BTNFACE));
    EnsureWindowClass(instance, kSignalFieldClass, DefWindowProcW, nullptr, nullptr);
    UniqueMenu menu(LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINMENU)));
    CreateWindowExW(kMainWindowExStyle, kMainWindowClass, kCaption, kMainWindowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, 0, 0, nullptr, menu.Get(), instance, this);
    if (!window_) return;
    // The window's menu bar goes with the window.
    menu.Release();
    CreateControl(IDC_TEXT1);
    const SIZE size = LayOut(WindowDpi(window_));
    layingOut_ = true;
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layingOut_ = false;
    BindSignalFieldAndTimers();
}

MainWindow::~MainWindow() {
    UnbindControls();
    if (window_) DestroyWindow(window_);
}

HWND MainWindow::ControlWindow(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void MainWindow::FirstDisplay() {
    form_.Resized();
    resizeReachesForm_ = true;
}

LRESULT MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            window_ = window;
            break;
        case WM_SHOWWINDOW:
            // Whatever shows the window: the panel is there before it is seen.
            if (wParam) CreatePanel();
            break;
        case WM_COMMAND:
            return OnCommand(wParam, lParam);
        case WM_TIMER:
            return OnTimer(wParam);
        case WM_SIZE:
            return OnSize();
        case WM_CLOSE:
            return OnClose();
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            return OnEndSession(wParam);
        case WM_DPICHANGED:
            return OnDpiChanged(wParam, lParam);
        case WM_ACTIVATE:
            return OnActivate(window, wParam, lParam);
        case WM_SETFOCUS:
            return OnSetFocus();
        case WM_NCDESTROY:
            window_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (lParam == 0) {
        if (id == IDM_ABOUT) form_.AboutChosen();
        return 0;
    }
    const PanelControl* control = PanelControlOf(id);
    if (code == BN_CLICKED && control && control->kind == PanelControlKind::CheckBox)
        form_.CheckBoxClicked(control->control);
    if (code == LBN_SELCHANGE && id == IDC_LIST1) OnListSelectionChanged();
    return 0;
}

void MainWindow::OnListSelectionChanged() {
    if (!listPeer_) return;
    std::vector<bool> selected;
    for (int i = 0; i < listPeer_->Count(); ++i) selected.push_back(listPeer_->IsSelected(i));
    form_.ListSelectionChanged(selected);
}

LRESULT MainWindow::OnTimer(WPARAM id) {
    // A timer on a thread of its own ticks only there: a WM_TIMER with its id, sent by
    // anyone, would run its tick on this thread at the same time.
    for (const FormTimerDesign& design : kFormTimers)
        if (design.id == id && !design.ownThread) form_.Ticks(design.timer).Fire();
    return 0;
}

LRESULT MainWindow::OnSize() {
    if (resizeReachesForm_ && !layingOut_) form_.Resized();
    return 0;
}

LRESULT MainWindow::OnClose() {
    // Closing the main window ends the program, tray icon included.
    form_.Closed();
    return 0;
}

LRESULT MainWindow::OnEndSession(WPARAM ending) {
    // The session ends once this returns: release the Shift key and remove the icon now.
    if (ending) form_.SessionEnding();
    return 0;
}

LRESULT MainWindow::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    const SIZE size = LayOut(LOWORD(wParam));
    layingOut_ = true;
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    layingOut_ = false;
    return 0;
}

LRESULT MainWindow::OnActivate(HWND window, WPARAM wParam, LPARAM lParam) {
    // Keyboard users come back to the control they left.
    if (LOWORD(wParam) == WA_INACTIVE) lastFocus_ = GetFocus();
    return DefWindowProcW(window, WM_ACTIVATE, wParam, lParam);
}

LRESULT MainWindow::OnSetFocus() {
    const HWND target = lastFocus_ && IsChild(window_, lastFocus_) && IsWindowEnabled(lastFocus_)
                      ? lastFocus_
                      : GetNextDlgTabItem(window_, nullptr, FALSE);
    if (target) SetFocus(target);
    return 0;
}
