#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Handles.h"

// Replacing a window's procedure and keeping window properties.
class WindowHookApi {
public:
    virtual ~WindowHookApi() = default;
    // SetWindowLongPtrW(window, GWLP_WNDPROC, procedure): the previous procedure, 0 on failure.
    virtual WindowProcedure SetWindowProc(Window window, WindowProcedure procedure) = 0;
    virtual WindowProcedure GetPropW(Window window, const std::wstring& name) = 0;
    virtual bool SetPropW(Window window, const std::wstring& name, WindowProcedure value) = 0;
    virtual WindowProcedure RemovePropW(Window window, const std::wstring& name) = 0;
    virtual std::intptr_t CallWindowProcW(WindowProcedure previous, Window window, std::uint32_t message,
                                          std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // Address of a window procedure that hands every message to handler.
    using Handler = std::function<std::intptr_t(Window window, std::uint32_t message,
                                                std::uintptr_t wParam, std::intptr_t lParam)>;
    virtual WindowProcedure HookProcedure(Handler handler) = 0;
};

constexpr std::uint32_t kWmNcDestroy = 0x82;
