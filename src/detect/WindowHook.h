#pragma once
#include <cstdint>
#include <functional>

#include "platform/ShellApi.h"
#include "platform/windowing/WindowHookApi.h"

// Puts a procedure of ours in front of a window's own, hands it the shell's notifications,
// and takes itself out again when asked or when the window goes.
class WindowHook {
public:
    using NotificationHandler = std::function<void(std::uintptr_t wParam, std::intptr_t lParam)>;
    WindowHook(WindowHookApi& hooks, NotificationHandler onNotification)
        : hooks_(hooks), onNotification_(std::move(onNotification)) {}
    WindowHook(const WindowHook&) = delete;
    WindowHook& operator=(const WindowHook&) = delete;

    // False when the window is hooked already or the system refuses.
    bool HookWindowProc(Window hWnd);
    bool UnhookWindowProc(Window hWnd);
    std::intptr_t WindowProc(Window hWnd, std::uint32_t uMsg, std::uintptr_t wParam, std::intptr_t lParam);

private:
    WindowHookApi& hooks_;
    NotificationHandler onNotification_;
    // WindowProc's address as the system calls it; made on the first hook and kept.
    WindowProcedure m_hookProcedure = 0;
};
