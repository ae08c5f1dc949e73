#pragma once
#include <memory>

#include "platform/TrayApi.h"

class FrmSystray;
class Abouts;

// Creates the program's other windows.
class UiApi {
public:
    virtual ~UiApi() = default;
    // The hidden window of a tray component; its messages are handed to the component.
    virtual std::unique_ptr<TrayWindowPeer> CreateTrayWindow(FrmSystray& component) = 0;
    // Shows the About box modally; returns when it is closed. While it is shown, brings
    // that box to the front instead and returns at once.
    virtual void ShowAboutModal(Abouts& about) = 0;
};
