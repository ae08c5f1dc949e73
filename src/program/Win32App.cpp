#include "program/Win32App.h"

#include "ui/IconResource.h"
#include "runtime/MessageLoop.h"
#include "platform/win32/Win32Handles.h"
#include "resource_ids.h"

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
    const int ids[] = {IDI_DISC_RED, IDI_DISC_GREEN};
    for (int i = 0; i < 2; ++i) {
        smallDiscs_[i] = LoadIconAtMetric(instance_, ids[i], SM_CXSMICON, SM_CYSMICON);
        largeDiscs_[i] = LoadIconAtMetric(instance_, ids[i], SM_CXICON, SM_CYICON);
        form_.Imge[i].picture = FromHicon(smallDiscs_[i].Get());
        form_.Imge[i].largePicture = FromHicon(largeDiscs_[i].Get());
    }
}

bool Win32App::Start() {
    // Another instance runs: end at once, before any window, icon or registry access.
    // The claim is kept, so start-up's own check finds it already held.
    if (!system_.ClaimSingleInstance()) return false;
    LoadTrayImages();
    window_ = std::make_unique<MainWindow>(instance_, binding_);
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
