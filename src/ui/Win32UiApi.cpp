#include "ui/Win32UiApi.h"

#include "ui/about/AboutWindow.h"
#include "ui/tray/TrayWindow.h"

std::unique_ptr<TrayWindowPeer> Win32UiApi::CreateTrayWindow(TrayWindowEvents& component) {
    return std::make_unique<TrayWindow>(instance_, component);
}

void Win32UiApi::ShowAboutModal(AboutView& about) {
    // The tray menu still works while the box is shown: it asks for the box again.
    if (IsWindow(shownAbout_)) {
        SetForegroundWindow(shownAbout_);
        return;
    }
    about.Form_Load();
    AboutWindow box(instance_, IsWindow(owner_) ? owner_ : nullptr, about);
    shownAbout_ = box.Hwnd();
    box.ShowModal();
    shownAbout_ = nullptr;
}
