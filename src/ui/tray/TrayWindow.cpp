#include "ui/tray/TrayWindow.h"

#include <shellapi.h>

#include "ui/tray/TrayIconData.h"
#include "ui/tray/TrayPopupMenu.h"
#include "platform/win32/Win32Handles.h"
#include "ui/WindowProcedure.h"

namespace {

const wchar_t kTrayWindowClass[] = L"TrayhushTrayWindow";

// Explorer broadcasts this after it (re)creates the taskbar: icons must be added again.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

HICON DefaultWindowIcon() { return LoadIconW(nullptr, IDI_APPLICATION); }

}  // namespace

TrayWindow::TrayWindow(HINSTANCE instance, TrayWindowEvents& component) : component_(component) {
    EnsureWindowClass(instance, kTrayWindowClass, OwnedWindowProcedure<TrayWindow>,
                      DefaultWindowIcon(), nullptr);
    TaskbarCreatedMessage();
    CreateWindowExW(0, kTrayWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
}

TrayWindow::~TrayWindow() { Close(); }

Window TrayWindow::WindowHandle() { return FromHwnd(window_); }

Icon TrayWindow::WindowIcon() {
    if (!window_) return FromHicon(DefaultWindowIcon());
    return FromHicon(reinterpret_cast<HICON>(GetClassLongPtrW(window_, GCLP_HICON)));
}

bool TrayWindow::Shell_NotifyIconA(std::uint32_t command, const NotifyIconRecord& record) {
    NOTIFYICONDATAA data = ToNotifyIconData(record);
    return ::Shell_NotifyIconA(command, &data) != FALSE;
}

void TrayWindow::SetForegroundWindow() {
    if (window_) ::SetForegroundWindow(window_);
}

int TrayWindow::TrackPopupMenu(const std::vector<TrayMenuItem>& items, int defaultIndex) {
    if (!window_) return -1;
    const UniqueMenu menu = BuildTrayPopupMenu(items, defaultIndex);
    if (!menu) return -1;
    POINT cursor{};
    GetCursorPos(&cursor);
    const UINT command = static_cast<UINT>(
        ::TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                         cursor.x, cursor.y, 0, window_, nullptr));
    // The documented quirk of menus of notification icons: unless the owner gets a message
    // after the menu closes, the next popup opens and closes at once.
    PostMessageW(window_, WM_NULL, 0, 0);
    return ChosenItemIndex(command);
}

void TrayWindow::Close() {
    if (!window_) return;
    const HWND window = window_;
    window_ = nullptr;
    DestroyWindow(window);
}

LRESULT TrayWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            window_ = window;
            break;
        case kTrayCallbackMessage:
            return OnIconCallback(lParam);
        case WM_CLOSE:
            // Destroyed without its component, the window would leave a dead icon behind.
            component_.OnClose();
            return 0;
        case WM_NCDESTROY:
            window_ = nullptr;
            break;
        default:
            if (message == TaskbarCreatedMessage() && message != 0) return OnTaskbarCreated();
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TrayWindow::OnIconCallback(LPARAM lParam) {
    // The component may close this window from inside the event (the menu's exit): return
    // without touching it again.
    component_.OnCallback(LOWORD(lParam));
    return 0;
}

LRESULT TrayWindow::OnTaskbarCreated() {
    component_.OnTaskbarCreated();
    return 0;
}
