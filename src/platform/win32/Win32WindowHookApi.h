#pragma once
#include "platform/windowing/WindowHookApi.h"

// user32's window procedures and properties. HookProcedure hands out the address of one
// procedure that forwards to the handler registered last: only the main window is hooked.
class Win32WindowHookApi : public WindowHookApi {
public:
    WindowProcedure SetWindowProc(Window window, WindowProcedure procedure) override;
    WindowProcedure GetPropW(Window window, const std::wstring& name) override;
    bool SetPropW(Window window, const std::wstring& name, WindowProcedure value) override;
    WindowProcedure RemovePropW(Window window, const std::wstring& name) override;
    std::intptr_t CallWindowProcW(WindowProcedure previous, Window window, std::uint32_t message,
                                  std::uintptr_t wParam, std::intptr_t lParam) override;
    WindowProcedure HookProcedure(Handler handler) override;
};
