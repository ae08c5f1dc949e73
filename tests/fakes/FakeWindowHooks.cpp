#include "fakes/FakeWindowHooks.h"

Handle FakeWindowHooks::AddWindow() {
    const Handle h = nextWindow_++;
    windows_[h];
    return h;
}

Handle FakeWindowHooks::SetWindowProc(Handle window, Handle procedure) {
    auto w = windows_.find(window);
    if (w == windows_.end() || refuseSetProcedure || procedure == 0) return 0;
    const Handle previous = w->second.procedure;
    w->second.procedure = procedure;
    return previous;
}

Handle FakeWindowHooks::GetPropW(Handle window, const std::wstring& name) {
    auto w = windows_.find(window);
    if (w == windows_.end()) return 0;
    auto p = w->second.props.find(name);
    return p == w->second.props.end() ? 0 : p->second;
}

bool FakeWindowHooks::SetPropW(Handle window, const std::wstring& name, Handle value) {
    auto w = windows_.find(window);
    if (w == windows_.end() || refuseSetProp) return false;
    w->second.props[name] = value;
    return true;
}

Handle FakeWindowHooks::RemovePropW(Handle window, const std::wstring& name) {
    auto w = windows_.find(window);
    if (w == windows_.end()) return 0;
    auto p = w->second.props.find(name);
    if (p == w->second.props.end()) return 0;
    const Handle value = p->second;
    w->second.props.erase(p);
    return value;
}

std::intptr_t FakeWindowHooks::CallWindowProcW(Handle previous, Handle window, std::uint32_t message,
                                               std::uintptr_t wParam, std::intptr_t lParam) {
    if (previous == kOriginalProcedure) {
        original.push_back(message);
        return originalResult;
    }
    auto h = hooks_.find(previous);
    return h == hooks_.end() ? 0 : h->second(window, message, wParam, lParam);
}

Handle FakeWindowHooks::HookProcedure(Handler handler) {
    ++proceduresMade;
    const Handle h = nextHook_++;
    hooks_[h] = std::move(handler);
    return h;
}

std::intptr_t FakeWindowHooks::Send(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
    return CallWindowProcW(Procedure(window), window, message, wParam, lParam);
}

Handle FakeWindowHooks::Procedure(Handle window) const {
    auto w = windows_.find(window);
    return w == windows_.end() ? 0 : w->second.procedure;
}

bool FakeWindowHooks::HasProp(Handle window, const std::wstring& name) const {
    auto w = windows_.find(window);
    return w != windows_.end() && w->second.props.count(name) != 0;
}
