#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Handles.h"

// The notification-area icon record in the shape of the first NOTIFYICONDATA: szTip is
// the 64-character tip field as the program holds it (text, NUL, blanks).
struct NotifyIconRecord {
    std::uint32_t cbSize = 0;
    Window hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    Icon hIcon = 0;
    std::wstring szTip;
};

constexpr std::uint32_t kNimAdd = 0;
constexpr std::uint32_t kNimModify = 1;
constexpr std::uint32_t kNimDelete = 2;
constexpr std::uint32_t kNifMessage = 0x1;
constexpr std::uint32_t kNifIcon = 0x2;
constexpr std::uint32_t kNifTip = 0x4;
// NOTIFYICONDATAA_V1_SIZE of the 32-bit program: the record size the logic keeps.
constexpr std::uint32_t kNotifyIconDataV1Size32 = 88;

// The mouse messages that reach the icon's owner as its callback message's lParam.
constexpr std::uint32_t kWmMouseMove = 0x200;
constexpr std::uint32_t kWmLButtonUp = 0x202;
constexpr std::uint32_t kWmLButtonDblClk = 0x203;
constexpr std::uint32_t kWmRButtonDown = 0x204;
constexpr std::uint32_t kWmRButtonUp = 0x205;
constexpr std::uint32_t kWmRButtonDblClk = 0x206;
// The icon's callback message: WM_MOUSEMOVE's number, as the program has always used.
constexpr std::uint32_t kTrayCallbackMessage = kWmMouseMove;
// Mouse buttons as the icon's events name them (MK_LBUTTON, MK_RBUTTON).
constexpr std::int32_t kMkLButton = 0x1;
constexpr std::int32_t kMkRButton = 0x2;

struct TrayMenuItem {
    std::wstring caption;  // "-" is a separator
    bool visible = true;
};

// What the icon's hidden window reports to the component that owns the icon.
class TrayWindowEvents {
public:
    virtual ~TrayWindowEvents() = default;
    // The shell's callback message, with the mouse message from lParam.
    virtual void OnCallback(std::uint32_t mouseMessage) = 0;
    // Explorer (re)started its taskbar, so the icon must be added again.
    virtual void OnTaskbarCreated() = 0;
    // Someone asked the window to close (a polite taskkill asks every top-level window).
    virtual void OnClose() = 0;
};

// The hidden window that owns the icon, as its component sees it.
class TrayWindowPeer {
public:
    virtual ~TrayWindowPeer() = default;
    virtual Window WindowHandle() = 0;
    // The window's own icon: the default window icon until the owner sets one.
    virtual Icon WindowIcon() = 0;
    // The record goes to the shell in the first, shortest NOTIFYICONDATAA layout, which every
    // version of the shell accepts, its tip in the ANSI code page.
    virtual bool Shell_NotifyIconA(std::uint32_t command, const NotifyIconRecord& record) = 0;
    virtual void SetForegroundWindow() = 0;
    // Pops the menu up at the mouse pointer and returns once it has closed:
    // the chosen item's index, or -1.
    virtual int TrackPopupMenu(const std::vector<TrayMenuItem>& items, int defaultIndex) = 0;
    // Destroys the window.
    virtual void Close() = 0;
};
