#pragma once
#include <map>
#include <string>

#include "platform/WindowHookApi.h"

// Windows as records of their current procedure and properties, made on first use.
class FakeWindowHooks : public WindowHookApi {
public:
    Handle SetWindowProc(Handle window, Handle procedure) override {
        std::swap(procedures_.emplace(window, 0xAB00).first->second, procedure);
        return procedure;
    }
    Handle GetPropW(Handle window, const std::wstring& name) override { return props_[{window, name}]; }
    bool SetPropW(Handle window, const std::wstring& name, Handle value) override {
        return (props_[{window, name}] = value), true;
    }
    Handle RemovePropW(Handle window, const std::wstring& name) override {
        const Handle value = props_[{window, name}];
        props_.erase({window, name});
        return value;
    }
    std::intptr_t CallWindowProcW(Handle previous, Handle window, std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) override {
        return hooks_.count(previous) ? hooks_[previous](window, message, wParam, lParam) : 0;
    }
    Handle HookProcedure(Handler handler) override {
        hooks_[++lastHook_] = std::move(handler);
        return lastHook_;
    }

private:
    std::map<Handle, Handle> procedures_;  // a window starts with its class's own
    std::map<std::pair<Handle, std::wstring>, Handle> props_;
    std::map<Handle, Handler> hooks_;
    Handle lastHook_ = 0xC000;
};
