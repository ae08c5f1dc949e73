#include "platform/win32/Win32WindowHookApi.h"

#include <windows.h>

#include <utility>

namespace {

HWND AsWindow(Handle window) { return reinterpret_cast<HWND>(window); }

// A plain window procedure has nowhere to keep a pointer of its own.
WindowHookApi::Handler& RegisteredHandler() {
    static WindowHookApi::Handler handler;
    return handler;
}

LRESULT CALLBACK HookTrampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (const WindowHookApi::Handler& handler = RegisteredHandler())
            return handler(reinterpret_cast<Handle>(window), message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into the system's message dispatch.
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

Handle Win32WindowHookApi::SetWindowProc(Handle window, Handle procedure) {
    return static_cast<Handle>(
        ::SetWindowLongPtrW(AsWindow(window), GWLP_WNDPROC, static_cast<LONG_PTR>(procedure)));
}

Handle Win32WindowHookApi::GetPropW(Handle window, const std::wstring& name) {
    return reinterpret_cast<Handle>(::GetPropW(AsWindow(window), name.c_str()));
}

bool Win32WindowHookApi::SetPropW(Handle window, const std::wstring& name, Handle value) {
    return ::SetPropW(AsWindow(window), name.c_str(), reinterpret_cast<HANDLE>(value)) != FALSE;
}

Handle Win32WindowHookApi::RemovePropW(Handle window, const std::wstring& name) {
    return reinterpret_cast<Handle>(::RemovePropW(AsWindow(window), name.c_str()));
}

std::intptr_t Win32WindowHookApi::CallWindowProcW(Handle previous, Handle window, std::uint32_t message,
                                                  std::uintptr_t wParam, std::intptr_t lParam) {
    return ::CallWindowProcW(reinterpret_cast<WNDPROC>(previous), AsWindow(window), message, wParam, lParam);
}

Handle Win32WindowHookApi::HookProcedure(Handler handler) {
    RegisteredHandler() = std::move(handler);
    return reinterpret_cast<Handle>(&HookTrampoline);
}
