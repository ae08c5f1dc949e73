#pragma once
#include "platform/WindowHookApi.h"

// user32's window procedures and properties. HookProcedure hands out the address of one
// procedure that forwards to the handler registered last: only the main window is hooked.
class Win32WindowHookApi : public WindowHookApi {
public:
    Handle SetWindowProc(Handle window, Handle procedure) override;
    Handle GetPropW(Handle window, const std::wstring& name) override;
    bool SetPropW(Handle window, const std::wstring& name, Handle value) override;
    Handle RemovePropW(Handle window, const std::wstring& name) override;
    std::intptr_t CallWindowProcW(Handle previous, Handle window, std::uint32_t message,
                                  std::uintptr_t wParam, std::intptr_t lParam) override;
    Handle HookProcedure(Handler handler) override;
};
