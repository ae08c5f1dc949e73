#pragma once
#include <memory>
#include <vector>

#include "platform/FormPeer.h"
#include "platform/UiApi.h"

// The tray window as a count of the popup menus it showed; it chooses nothing.
class FakeTrayWindow : public TrayWindowPeer {
public:
    explicit FakeTrayWindow(int& popups) : popups_(popups) {}
    Window WindowHandle() override { return Window{0x7700}; }
    Icon WindowIcon() override { return Icon{0x1C0}; }
    bool Shell_NotifyIconW(std::uint32_t, const NotifyIconRecord&) override { return true; }
    void SetForegroundWindow() override {}
    int TrackPopupMenu(const std::vector<TrayMenuItem>&, int) override { return ++popups_, -1; }
    void Close() override {}

private:
    int& popups_;
};

class FakeUi : public UiApi {
public:
    std::unique_ptr<TrayWindowPeer> CreateTrayWindow(TrayWindowEvents&) override {
        return std::make_unique<FakeTrayWindow>(popups);
    }
    void ShowAboutModal(AboutView&) override {}
    int popups = 0;
};

// The main window as a record of its state.
class FakeForm : public FormPeer {
public:
    Window WindowHandle() override { return handle; }
    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    bool IsMinimized() override { return minimized; }
    void SetMinimized(bool m) override { minimized = m; }
    double Width() override { return 4500; }
    double Height() override { return 3405; }
    void Move(int, int) override {}
    double ScreenWidth() override { return 15360; }
    double ScreenHeight() override { return 11520; }
    void BringToFront() override {}
    void ShowInTaskList(bool) override {}
    void SetIcon(Icon i, Icon) override { icon = i; }
    void UnloadAllWindows() override {}
    void EndMessageLoop() override { loopEnded = true; }

    Window handle{0x2000};
    bool visible = true, minimized = false, loopEnded = false;
    Icon icon = 0;
};
