#include "platform/win32/Win32App.h"

#include "platform/win32/Dpi.h"
#include "platform/win32/MessageLoop.h"
#include "resource_ids.h"

namespace {

// An icon at the notification area's size for the screen's DPI.
UniqueIcon LoadTrayIcon(HINSTANCE instance, int id) {
    const unsigned dpi = SystemDpi();
    const int width = SystemMetricForDpi(SM_CXSMICON, dpi);
    const int height = SystemMetricForDpi(SM_CYSMICON, dpi);
    return UniqueIcon(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, LR_DEFAULTCOLOR)));
}

}  // namespace

Win32App::Win32App(HINSTANCE instance)
    : instance_(instance),
      ui_(instance),
      platform_{registry_, files_, processes_, keyboard_, shell_, hooks_, system_, ui_, text_},
      form_(platform_) {}

Win32App::~Win32App() {
    // The window goes before the form whose controls it shows.
    window_.reset();
}

void Win32App::LoadTrayImages() {
    redDisc_ = LoadTrayIcon(instance_, IDI_DISC_RED);
    greenDisc_ = LoadTrayIcon(instance_, IDI_DISC_GREEN);
    form_.Imge[0].picture = reinterpret_cast<Handle>(redDisc_.get());
    form_.Imge[1].picture = reinterpret_cast<Handle>(greenDisc_.get());
}

bool Win32App::Start() {
    // Another instance runs: end at once, before any window, icon or registry access.
    // The claim is kept, so start-up's own check finds it already held.
    if (!system_.ClaimSingleInstance()) return false;
    LoadTrayImages();
    window_ = std::make_unique<MainWindow>(instance_, form_);
    ui_.SetOwnerWindow(window_->Hwnd());
    if (!form_.Form_Load()) return false;
    window_->FirstDisplay();
    return true;
}

HWND Win32App::MainWindowHandle() const { return window_ ? window_->Hwnd() : nullptr; }

int Win32App::Run() {
    if (!Start()) return 0;
    RunMessageLoop();
    // A quit that did not come from the exit routine still takes the icon away.
    form_.ender();
    return 0;
}
