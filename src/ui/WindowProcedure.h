#pragma once
#include <windows.h>

// The window procedure of a class whose windows each belong to one C++ object. The object
// travels as the create parameter and is kept in GWLP_USERDATA until WM_NCDESTROY; its
// HandleMessage is the class's short switch. No exception leaves the procedure: a handler
// that throws counts as unhandled.
template <class Owner>
LRESULT CALLBACK OwnedWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    try {
        // The handler may destroy the owner (the tray menu's exit does): nothing here
        // touches it afterwards.
        return owner->HandleMessage(window, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Registers a window class once per process; later calls find it registered.
void EnsureWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure,
                       HICON icon, HBRUSH background);
