#include "detect/WindowHook.h"

namespace {
// Holds the procedure that was in place before ours; its presence is the hooked state.
const wchar_t kOldWndProc[] = L"OldWndProc";
}  // namespace

std::intptr_t WindowHook::WindowProc(Window hWnd, std::uint32_t uMsg, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    // Read first: WM_NCDESTROY removes the property before the message is passed on.
    const WindowProcedure previous = hooks_.GetPropW(hWnd, kOldWndProc);
    try {
        if (uMsg == kWmNcDestroy)
            UnhookWindowProc(hWnd);
        else if (uMsg == kWmShellNotify)
            onNotification_(wParam, lParam);
    } catch (...) {
        // A failed report ends quietly; the window still gets its message.
    }
    return hooks_.CallWindowProcW(previous, hWnd, uMsg, wParam, lParam);
}

bool WindowHook::HookWindowProc(Window hWnd) {
    if (hooks_.GetPropW(hWnd, kOldWndProc) != 0) return false;
    if (m_hookProcedure == 0) {
        m_hookProcedure = hooks_.HookProcedure(
            [this](Window window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
                return WindowProc(window, message, wParam, lParam);
            });
    }
    const WindowProcedure previous = hooks_.SetWindowProc(hWnd, m_hookProcedure);
    if (previous == 0) return false;
    if (hooks_.SetPropW(hWnd, kOldWndProc, previous)) return true;
    // Without the property nothing could ever unhook the window: undo at once.
    hooks_.SetWindowProc(hWnd, previous);
    return false;
}

bool WindowHook::UnhookWindowProc(Window hWnd) {
    const WindowProcedure previous = hooks_.GetPropW(hWnd, kOldWndProc);
    if (previous == 0) return false;
    if (hooks_.RemovePropW(hWnd, kOldWndProc) == 0) return false;
    return hooks_.SetWindowProc(hWnd, previous) != 0;
}
