#include "ui/Dpi.h"
#include "ui/main/MainWindow.h"
#include "platform/win32/Win32Handles.h"

// The window operations that Form1 uses to show, hide and place its window.

Window MainWindow::WindowHandle() { return FromHwnd(window_); }

void MainWindow::Show() {
    if (!window_) return;
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
}

void MainWindow::Hide() {
    if (window_) ShowWindow(window_, SW_HIDE);
}

bool MainWindow::IsMinimized() {
    return !window_ || !IsWindowVisible(window_) || IsIconic(window_);
}

void MainWindow::SetMinimized(bool minimized) {
    if (!window_) return;
    if (minimized) {
        // Minimising a hidden window would show it: a hidden one stays as it is.
        if (IsWindowVisible(window_) && !IsIconic(window_)) ShowWindow(window_, SW_MINIMIZE);
    } else if (IsIconic(window_)) {
        ShowWindow(window_, SW_RESTORE);
    }
}

RECT MainWindow::NormalRect() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!window_ || !GetWindowPlacement(window_, &placement)) return RECT{};
    return placement.rcNormalPosition;
}

double MainWindow::Width() {
    const RECT normal = NormalRect();
    return PixelsToTwips(normal.right - normal.left, dpi_);
}

double MainWindow::Height() {
    const RECT normal = NormalRect();
    return PixelsToTwips(normal.bottom - normal.top, dpi_);
}

RECT MainWindow::MonitorRect() const {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR monitor = MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY);
    if (monitor && GetMonitorInfoW(monitor, &info)) return info.rcMonitor;
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void MainWindow::Move(int left, int top) {
    if (!window_) return;
    const RECT screen = MonitorRect();
    SetWindowPos(window_, nullptr, screen.left + TwipsToPixels(left, dpi_),
                 screen.top + TwipsToPixels(top, dpi_), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

double MainWindow::ScreenWidth() {
    const RECT screen = MonitorRect();
    return PixelsToTwips(screen.right - screen.left, dpi_);
}

double MainWindow::ScreenHeight() {
    const RECT screen = MonitorRect();
    return PixelsToTwips(screen.bottom - screen.top, dpi_);
}

void MainWindow::BringToFront() {
    if (!window_) return;
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window_);
}

// The window's style already gives the task list that Form1 asks for: a hidden window has
// no task-bar button, the shown one (unowned, WS_EX_APPWINDOW) has one, and minimised to
// the tray the window is hidden.
void MainWindow::ShowInTaskList(bool) {}

void MainWindow::SetIcon(Icon smallIcon, Icon largeIcon) {
    if (!window_) return;
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ToHicon(smallIcon)));
    // A picture with one image only still gives Alt+Tab an icon.
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ToHicon(largeIcon ? largeIcon : smallIcon)));
}

void MainWindow::UnloadAllWindows() {
    // Destroying the main window takes the windows it owns (an open About box) with it.
    if (window_) DestroyWindow(window_);
    PostQuitMessage(0);
}

void MainWindow::EndMessageLoop() { PostQuitMessage(0); }
