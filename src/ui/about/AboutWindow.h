#pragma once
#include <windows.h>

#include <vector>

#include "platform/windowing/UiApi.h"
#include "platform/win32/Win32Handles.h"

// The About box, built in code: name, version, maker, the mail and home-page links and a
// Close button, laid out in twips for the window's DPI.
class AboutWindow {
public:
    // Creates the box hidden; owner may be 0.
    AboutWindow(HINSTANCE instance, HWND owner, AboutView& about);
    ~AboutWindow();
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    HWND Hwnd() const { return window_; }
    HWND ControlWindow(int id) const;
    // Shows the box and runs messages until it is closed; the owner is disabled meanwhile.
    void ShowModal();

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct Label {
        int id;
        HWND window;
        bool link;
    };
    void CreateControls(HINSTANCE instance);
    void AddTip(HWND control, const wchar_t* tip);
    SIZE LayOut(unsigned dpi);
    void CentreOnScreen();
    void Close();
    const Label* LabelOf(HWND control) const;

    LRESULT OnCommand(WPARAM wParam);
    LRESULT OnControlColour(WPARAM dc, LPARAM control);
    LRESULT OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    AboutView& about_;
    HWND owner_;
    bool ownerWasEnabled_ = false;
    HWND window_ = nullptr;
    HWND tips_ = nullptr;
    std::vector<Label> labels_;
    HWND closeButton_ = nullptr;
    UniqueFont labelFont_;
    UniqueFont linkFont_;
    UniqueFont buttonFont_;
};
