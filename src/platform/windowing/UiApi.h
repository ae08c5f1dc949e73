#pragma once
#include <memory>
#include <string>

#include "platform/windowing/TrayApi.h"

// What the About box shows and where its clicks go, as the logic's About form gives them.
class AboutView {
public:
    virtual ~AboutView() = default;
    virtual void Form_Load() = 0;
    virtual std::wstring VersionLabel() const = 0;
    virtual std::wstring MakerLine() const = 0;
    virtual std::wstring MailAddress() const = 0;
    virtual std::wstring HomePageAddress() const = 0;
    // Index 0 is the mail link, 1 the home page.
    virtual void Labelr_Click(int Index) = 0;
    virtual void Command_Click() = 0;
    virtual bool Closed() const = 0;
};

// Creates the program's other windows.
class UiApi {
public:
    virtual ~UiApi() = default;
    // The hidden window of a tray component; its messages are handed to the component.
    virtual std::unique_ptr<TrayWindowPeer> CreateTrayWindow(TrayWindowEvents& component) = 0;
    // Shows the About box modally; returns when it is closed. While it is shown, brings
    // that box to the front instead and returns at once.
    virtual void ShowAboutModal(AboutView& about) = 0;
};
