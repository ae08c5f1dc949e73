#pragma once
#include <windows.h>

#include "platform/windowing/UiApi.h"

// Creates the tray component's window and shows the About box, modal to the main window.
class Win32UiApi : public UiApi {
public:
    explicit Win32UiApi(HINSTANCE instance) : instance_(instance) {}

    // The window that the About box keeps disabled while it is shown; 0 for none.
    void SetOwnerWindow(HWND owner) { owner_ = owner; }

    std::unique_ptr<TrayWindowPeer> CreateTrayWindow(TrayWindowEvents& component) override;
    void ShowAboutModal(AboutView& about) override;

private:
    HINSTANCE instance_;
    HWND owner_ = nullptr;
    HWND shownAbout_ = nullptr;
};
