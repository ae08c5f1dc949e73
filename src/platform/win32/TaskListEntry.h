#pragma once
#include <windows.h>

// Adds or removes a shown window's taskbar button. A hidden window has none anyway; this
// matters only for a window that stays on the screen. Quietly does nothing without COM
// or without a taskbar.
void SetTaskListEntry(HWND window, bool shown);
