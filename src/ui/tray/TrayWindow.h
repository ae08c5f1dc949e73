#pragma once
#include <windows.h>

#include "platform/windowing/TrayApi.h"

// The tray component's hidden window: it owns nothing visible, receives the shell's
// callbacks for the icon and the taskbar's "TaskbarCreated" broadcast, and pops up the
// component's menu. A top-level window (not message-only), since broadcasts reach only
// those.
class TrayWindow : public TrayWindowPeer {
public:
    TrayWindow(HINSTANCE instance, TrayWindowEvents& component);
    ~TrayWindow() override;
    TrayWindow(const TrayWindow&) = delete;
    TrayWindow& operator=(const TrayWindow&) = delete;

    Window WindowHandle() override;
    Icon WindowIcon() override;
    bool Shell_NotifyIconA(std::uint32_t command, const NotifyIconRecord& record) override;
    void SetForegroundWindow() override;
    int TrackPopupMenu(const std::vector<TrayMenuItem>& items, int defaultIndex) override;
    void Close() override;

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT OnIconCallback(LPARAM lParam);
    LRESULT OnTaskbarCreated();

    TrayWindowEvents& component_;
    HWND window_ = nullptr;
};
