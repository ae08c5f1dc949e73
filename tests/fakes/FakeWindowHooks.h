#pragma once
#include <map>
#include <string>

#include "platform/windowing/WindowHookApi.h"

// Windows as records of their current procedure and properties, made on first use. The
// hook procedure is never called: tests call the window's handlers themselves.
class FakeWindowHooks : public WindowHookApi {
public:
    WindowProcedure SetWindowProc(Window window, WindowProcedure procedure) override {
        std::swap(procedures_.emplace(window, WindowProcedure{0xAB00}).first->second, procedure);
        return procedure;
    }
    WindowProcedure GetPropW(Window window, const std::wstring& name) override { return props_[{window, name}]; }
    bool SetPropW(Window window, const std::wstring& name, WindowProcedure value) override {
        props_[{window, name}] = value;
        return true;
    }
    WindowProcedure RemovePropW(Window window, const std::wstring& name) override {
        const WindowProcedure value = props_[{window, name}];
        props_.erase({window, name});
        return value;
    }
    std::intptr_t CallWindowProcW(WindowProcedure, Window, std::uint32_t, std::uintptr_t, std::intptr_t) override { return 0; }
    WindowProcedure HookProcedure(Handler) override { return WindowProcedure{0xC001}; }

private:
    std::map<Window, WindowProcedure> procedures_;  // a window starts with its class's own
    std::map<std::pair<Window, std::wstring>, WindowProcedure> props_;
};
