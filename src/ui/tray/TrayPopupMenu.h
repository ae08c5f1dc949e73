#pragma once
#include <vector>

#include "platform/windowing/TrayApi.h"
#include "platform/win32/Win32Handles.h"

// The tray icon's popup menu: the visible items in order, "-" as a separator line, the
// default item in bold. Each item's command id is its index plus one, so that 0 stays
// "nothing chosen".
UniqueMenu BuildTrayPopupMenu(const std::vector<TrayMenuItem>& items, int defaultIndex);

// The item index of a command that TrackPopupMenu returned; -1 for none.
int ChosenItemIndex(UINT command);
