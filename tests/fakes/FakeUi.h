#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "platform/FormPeer.h"
#include "platform/UiApi.h"

class FrmSystray;

// Everything the tray windows of one test did, kept after the window is gone.
struct TrayLog {
    struct Call {
        std::uint32_t command;
        NotifyIconRecord record;
    };
    std::vector<Call> calls;
    int foregroundSwitches = 0;
    int closes = 0;
    std::vector<TrayMenuItem> lastMenu;
    int lastDefault = -1;
    int popups = 0;
    int foregroundSwitchesAtPopup = -1;  // how many there had been when the menu opened
    int menuChoice = -1;  // what the next popup returns
    FrmSystray* component = nullptr;
};

class FakeTrayWindow : public TrayWindowPeer {
public:
    explicit FakeTrayWindow(TrayLog& log) : log_(log) {}
    Handle WindowHandle() override { return 0x7700; }
    Handle WindowIcon() override { return 0x1C0; }
    bool Shell_NotifyIconW(std::uint32_t command, const NotifyIconRecord& record) override {
        log_.calls.push_back({command, record});
        return true;
    }
    void SetForegroundWindow() override { ++log_.foregroundSwitches; }
    int TrackPopupMenu(const std::vector<TrayMenuItem>& items, int defaultIndex) override {
        log_.lastMenu = items;
        log_.lastDefault = defaultIndex;
        ++log_.popups;
        log_.foregroundSwitchesAtPopup = log_.foregroundSwitches;
        return log_.menuChoice;
    }
    void Close() override { ++log_.closes; }

private:
    TrayLog& log_;
};

class FakeUi : public UiApi {
public:
    std::unique_ptr<TrayWindowPeer> CreateTrayWindow(FrmSystray& component) override {
        tray.component = &component;
        ++trayWindows;
        return std::make_unique<FakeTrayWindow>(tray);
    }
    void ShowAboutModal(Abouts& about) override {
        ++aboutShown;
        if (onAbout) onAbout(about);
    }
    TrayLog tray;
    int trayWindows = 0;
    int aboutShown = 0;
    std::function<void(Abouts&)> onAbout;
};

// The main window as a record of its state.
class FakeForm : public FormPeer {
public:
    Handle WindowHandle() override { return handle; }
    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    bool IsMinimized() override { return minimized; }
    void SetMinimized(bool m) override { minimized = m; }
    double Width() override { return width; }
    double Height() override { return height; }
    void Move(int l, int t) override {
        left = l;
        top = t;
    }
    double ScreenWidth() override { return screenWidth; }
    double ScreenHeight() override { return screenHeight; }
    void BringToFront() override { ++frontCalls; }
    void ShowInTaskList(bool shown) override { inTaskList = shown; }
    void SetIcon(Handle i, Handle) override { icon = i; }
    void UnloadAllWindows() override { unloaded = true; }
    void EndMessageLoop() override { loopEnded = true; }

    Handle handle = 0;
    bool visible = true, minimized = false, inTaskList = true, unloaded = false, loopEnded = false;
    double width = 4500, height = 3405, screenWidth = 15360, screenHeight = 11520;
    int left = 0, top = 0, frontCalls = 0;
    Handle icon = 0;
};
