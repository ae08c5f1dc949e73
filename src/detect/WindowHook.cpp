#include "app/Form1.h"

namespace {
// Holds the procedure that was in place before ours; its presence is the hooked state.
const wchar_t kOldWndProc[] = L"OldWndProc";
}  // namespace

std::intptr_t Form1::WindowProc(Window hWnd, std::uint32_t uMsg, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    WindowHookApi& hooks = m_platform.hooks;
    // Read first: WM_NCDESTROY removes the property before the message is passed on.
    const WindowProcedure previous = hooks.GetPropW(hWnd, kOldWndProc);
    try {
        if (uMsg == kWmNcDestroy)
            UnhookWindowProc(hWnd);
        else if (uMsg == kWmShellNotify)
            NotificationReceipt(wParam, lParam);
    } catch (...) {
        // A failed report ends quietly; the window still gets its message.
    }
    return hooks.CallWindowProcW(previous, hWnd, uMsg, wParam, lParam);
}

bool Form1::HookWindowProc(Window hWnd) {
    WindowHookApi& hooks = m_platform.hooks;
    if (hooks.GetPropW(hWnd, kOldWndProc) != 0) return false;
    if (m_hookProcedure == 0) {
        m_hookProcedure = hooks.HookProcedure(
            [this](Window window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
                return WindowProc(window, message, wParam, lParam);
            });
    }
    const WindowProcedure previous = hooks.SetWindowProc(hWnd, m_hookProcedure);
    if (previous == 0) return false;
    if (hooks.SetPropW(hWnd, kOldWndProc, previous)) return true;
    // Without the property nothing could ever unhook the window: undo at once.
    hooks.SetWindowProc(hWnd, previous);
    return false;
}

bool Form1::UnhookWindowProc(Window hWnd) {
    WindowHookApi& hooks = m_platform.hooks;
    const WindowProcedure previous = hooks.GetPropW(hWnd, kOldWndProc);
    if (previous == 0) return false;
    if (hooks.RemovePropW(hWnd, kOldWndProc) == 0) return false;
    return hooks.SetWindowProc(hWnd, previous) != 0;
}
