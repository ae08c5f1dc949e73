#pragma once
#include <map>
#include <string>

#include "platform/WindowHookApi.h"

// Windows as records of their current procedure and properties, made on first use. The
// hook procedure is never called: tests call the window's handlers themselves.
class FakeWindowHooks : public WindowHookApi {
public:
    Handle SetWindowProc(Handle window, Handle procedure) override {
        std::swap(procedures_.emplace(window, 0xAB00).first->second, procedure);
        return procedure;
    }
    Handle GetPropW(Handle window, const std::wstring& name) override { return props_[{window, name}]; }
    bool SetPropW(Handle window, const std::wstring& name, Handle value) override {
        props_[{window, name}] = value;
        return true;
    }
    Handle RemovePropW(Handle window, const std::wstring& name) override {
        const Handle value = props_[{window, name}];
        props_.erase({window, name});
        return value;
    }
    std::intptr_t CallWindowProcW(Handle, Handle, std::uint32_t, std::uintptr_t, std::intptr_t) override { return 0; }
    Handle HookProcedure(Handler) override { return 0xC001; }

private:
    std::map<Handle, Handle> procedures_;  // a window starts with its class's own
    std::map<std::pair<Handle, std::wstring>, Handle> props_;
};
