#pragma once
#include <memory>
#include <vector>

#include "platform/windowing/FormPeer.h"
#include "platform/windowing/UiApi.h"

// The tray window as a record of the icon commands it passed on and the menus it showed;
// a menu returns `choice`.
class FakeTrayWindow : public TrayWindowPeer {
public:
    Window WindowHandle() override { return Window{0x7700}; }
    Icon WindowIcon() override { return Icon{0x1C0}; }
    bool Shell_NotifyIconA(std::uint32_t command, const NotifyIconRecord& record) override {
        icon.push_back({command, record});
        return true;
    }
    void SetForegroundWindow() override {}
    int TrackPopupMenu(const std::vector<TrayMenuItem>& items, int defaultIndex) override {
        menu = items;
        menuDefault = defaultIndex;
        return choice;
    }
    void Close() override {}

    std::vector<std::pair<std::uint32_t, NotifyIconRecord>> icon;
    std::vector<TrayMenuItem> menu;
    int menuDefault = -1, choice = -1;
};

class FakeUi : public UiApi {
public:
    std::unique_ptr<TrayWindowPeer> CreateTrayWindow(TrayWindowEvents&) override {
        auto window = std::make_unique<FakeTrayWindow>();
        tray = window.get();
        return window;
    }
    void ShowAboutModal(AboutView&) override { ++aboutBoxes; }
    FakeTrayWindow* tray = nullptr;  // the last one made; its component owns it
    int aboutBoxes = 0;
};

// The main window as a record of its state; sizes in twips.
class FakeForm : public FormPeer {
public:
    Window WindowHandle() override { return handle; }
    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    bool IsMinimized() override { return minimized; }
    void SetMinimized(bool m) override { minimized = m; }
    double Width() override { return width; }
    double Height() override { return height; }
    void Move(int l, int t) override { left = l, top = t; }
    double ScreenWidth() override { return screenWidth; }
    double ScreenHeight() override { return screenHeight; }
    void BringToFront() override {}
    void ShowInTaskList(bool) override {}
    void SetIcon(Icon i, Icon) override { icon = i; }
    void UnloadAllWindows() override {}
    void EndMessageLoop() override { loopEnded = true; }

    Window handle{0x2000};
    bool visible = true, minimized = false, loopEnded = false;
    double width = 4500, height = 3405, screenWidth = 15360, screenHeight = 11520;
    int left = 0, top = 0;
    Icon icon = 0;
};
