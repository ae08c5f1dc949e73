#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/windowing/ControlPeer.h"
#include "platform/windowing/FormEvents.h"
#include "ui/main/ListBoxPeer.h"
#include "platform/win32/Win32Handles.h"

// The main window: the form's options panel, drive list, hidden signal field and timers
// over a real window. It is created hidden; sizes and positions the form sees are in twips.
class MainWindow : public FormPeer {
public:
    // Creates the hidden window and binds it, its timers and its signal field to form.
    MainWindow(HINSTANCE instance, FormEvents& form);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Hwnd() const { return window_; }
    HWND ControlWindow(int id) const;
    // The window's first display: its first resize sends it to the tray before it was
    // ever seen. From then on, the window's own size changes reach the form.
    void FirstDisplay();

    Window WindowHandle() override;
    void Show() override;
    void Hide() override;
    // A hidden window counts as minimised: the program only ever minimises to the tray.
    bool IsMinimized() override;
    void SetMinimized(bool minimized) override;
    double Width() override;
    double Height() override;
    void Move(int left, int top) override;
    double ScreenWidth() override;
    double ScreenHeight() override;
    void BringToFront() override;
    void ShowInTaskList(bool shown) override;
    void SetIcon(Icon smallIcon, Icon largeIcon) override;
    void UnloadAllWindows() override;
    void EndMessageLoop() override;

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // The signal field is made at start-up, the rest of the panel only before the window
    // is first shown: the first check box or list loads the common controls, which more
    // than doubles the memory of a program that mostly sits in the tray.
    HWND CreateControl(int id);
    void CreatePanel();
    void BindSignalFieldAndTimers();
    void BindPanel();
    void UnbindControls();
    // Fonts and control positions for a DPI; returns the window size in pixels.
    SIZE LayOut(unsigned dpi);
    RECT MonitorRect() const;
    // The window's rectangle when restored, whatever its state now; empty before it exists.
    RECT NormalRect() const;
    void BindPeer(FormControl control, std::unique_ptr<ControlPeer> peer);

    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    void OnListSelectionChanged();
    LRESULT OnTimer(WPARAM id);
    LRESULT OnSize();
    LRESULT OnClose();
    LRESULT OnEndSession(WPARAM ending);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivate(HWND window, WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFocus();

    FormEvents& form_;
    HINSTANCE instance_;
    HWND window_ = nullptr;
    bool panelCreated_ = false;
    unsigned dpi_ = 96;
    UniqueFont font_;
    UniqueFont boldFont_;
    std::map<int, HWND> controls_;
    std::vector<std::unique_ptr<ControlPeer>> peers_;
    ListBoxPeer* listPeer_ = nullptr;
    std::vector<std::unique_ptr<TimerPeer>> timers_;
    bool resizeReachesForm_ = false;
    bool layingOut_ = false;
    HWND lastFocus_ = nullptr;
};
