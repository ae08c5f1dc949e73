#pragma once
#include <windows.h>

#include "platform/windowing/ControlPeer.h"

// A window timer behind a headless Timer: WM_TIMER with this id reaches the window.
class WindowTimer : public TimerPeer {
public:
    WindowTimer(HWND window, UINT_PTR id) : window_(window), id_(id) {}
    ~WindowTimer() override { Stop(); }
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    // SetTimer with a running id restarts the count, as enabling a timer does.
    void Start(unsigned intervalMs) override { SetTimer(window_, id_, intervalMs, nullptr); }
    void Stop() override { KillTimer(window_, id_); }
    UINT_PTR Id() const { return id_; }

private:
    HWND window_;
    UINT_PTR id_;
};
