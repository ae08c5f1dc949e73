#pragma once
#include <windows.h>

#include <string>

namespace trayhush::e2e {

// What another program can see of a running Trayhush: its windows, found by owner
// process, and what they show.

// The main window: caption "Trayhush".
HWND FindMainWindow(DWORD processId);
// The hidden window that owns the notification icon and receives the shell's callbacks.
HWND FindTrayWindow(DWORD processId);
// A control of the main window, by the caption a user reads on it.
HWND FindControlByCaption(HWND mainWindow, const std::wstring& caption);

// The hidden signal field: the root of the drive reported last ("" before any report).
// Asked of the program's window thread, so the answer comes after the handling of every
// report that thread has begun. False when the window did not answer in time.
bool ReadReportedRoot(HWND mainWindow, std::wstring* root);

// What the shell sends when the user releases the left button over the icon.
bool ClickTrayIcon(HWND trayWindow, UINT iconId);

// Whether the shell still holds an icon under this owner window and identifier: it
// accepts a modification only of an icon it holds.
bool TrayIconPresent(HWND trayWindow, UINT iconId);

}  // namespace trayhush::e2e
