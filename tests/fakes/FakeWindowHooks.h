#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/WindowHookApi.h"

// Windows as records of their current procedure and properties. Sending a message calls
// the current procedure: a hook installed by HookProcedure, or the original one, which
// only records what it received.
class FakeWindowHooks : public WindowHookApi {
public:
    Handle SetWindowProc(Handle window, Handle procedure) override;
    Handle GetPropW(Handle window, const std::wstring& name) override;
    bool SetPropW(Handle window, const std::wstring& name, Handle value) override;
    Handle RemovePropW(Handle window, const std::wstring& name) override;
    std::intptr_t CallWindowProcW(Handle previous, Handle window, std::uint32_t message,
                                  std::uintptr_t wParam, std::intptr_t lParam) override;
    Handle HookProcedure(Handler handler) override;

    // Test side.
    static constexpr Handle kOriginalProcedure = 0xAB00;
    Handle AddWindow();
    std::intptr_t Send(Handle window, std::uint32_t message, std::uintptr_t wParam = 0,
                       std::intptr_t lParam = 0);
    Handle Procedure(Handle window) const;
    bool HasProp(Handle window, const std::wstring& name) const;
    // Messages that reached the original procedure, and what it answers.
    std::vector<std::uint32_t> original;
    std::intptr_t originalResult = 0;
    int proceduresMade = 0;
    bool refuseSetProcedure = false;
    bool refuseSetProp = false;

private:
    struct Window {
        Handle procedure = kOriginalProcedure;
        std::map<std::wstring, Handle> props;
    };
    std::map<Handle, Window> windows_;
    std::map<Handle, Handler> hooks_;
    Handle nextWindow_ = 0x2000;
    Handle nextHook_ = 0xC000;
};
