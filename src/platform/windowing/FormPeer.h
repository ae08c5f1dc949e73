#pragma once
#include "platform/Handles.h"

// The real main window behind Form1. Sizes and positions are in twips, converted with
// the window's real DPI.
class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual Window WindowHandle() = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsMinimized() = 0;
    virtual void SetMinimized(bool minimized) = 0;
    virtual double Width() = 0;
    virtual double Height() = 0;
    virtual void Move(int left, int top) = 0;
    virtual double ScreenWidth() = 0;
    virtual double ScreenHeight() = 0;
    virtual void BringToFront() = 0;
    virtual void ShowInTaskList(bool shown) = 0;
    // The small image for the caption and the notification area, the large one for Alt+Tab.
    virtual void SetIcon(Icon smallIcon, Icon largeIcon) = 0;
    // Ends the message loop once every window of the program is gone.
    virtual void UnloadAllWindows() = 0;
    // Ends the message loop once the handlers now running have returned; the exit routine
    // runs after it.
    virtual void EndMessageLoop() = 0;
};
