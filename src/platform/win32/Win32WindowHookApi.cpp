#include "platform/win32/Win32WindowHookApi.h"

#include <windows.h>

#include <utility>

#include "platform/win32/Win32Handles.h"

namespace {

// A window property keeps a procedure's address in its HANDLE-sized slot.
WindowProcedure FromProperty(HANDLE slot) { return WindowProcedure(reinterpret_cast<std::uintptr_t>(slot)); }
HANDLE ToProperty(WindowProcedure procedure) { return reinterpret_cast<HANDLE>(procedure.value); }

// A plain window procedure has nowhere to keep a pointer of its own.
WindowHookApi::Handler& RegisteredHandler() {
    static WindowHookApi::Handler handler;
    return handler;
}

LRESULT CALLBACK HookTrampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (const WindowHookApi::Handler& handler = RegisteredHandler())
            return handler(FromHwnd(window), message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into the system's message dispatch.
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

WindowProcedure Win32WindowHookApi::SetWindowProc(Window window, WindowProcedure procedure) {
    return FromWndproc(reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        ToHwnd(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ToWndproc(procedure)))));
}

WindowProcedure Win32WindowHookApi::GetPropW(Window window, const std::wstring& name) {
    return FromProperty(::GetPropW(ToHwnd(window), name.c_str()));
}

bool Win32WindowHookApi::SetPropW(Window window, const std::wstring& name, WindowProcedure value) {
    return ::SetPropW(ToHwnd(window), name.c_str(), ToProperty(value)) != FALSE;
}

WindowProcedure Win32WindowHookApi::RemovePropW(Window window, const std::wstring& name) {
    return FromProperty(::RemovePropW(ToHwnd(window), name.c_str()));
}

std::intptr_t Win32WindowHookApi::CallWindowProcW(WindowProcedure previous, Window window, std::uint32_t message,
                                                  std::uintptr_t wParam, std::intptr_t lParam) {
    return ::CallWindowProcW(ToWndproc(previous), ToHwnd(window), message, wParam, lParam);
}

WindowProcedure Win32WindowHookApi::HookProcedure(Handler handler) {
    RegisteredHandler() = std::move(handler);
    return FromWndproc(&HookTrampoline);
}
