#pragma once
#include <windows.h>

#include "platform/win32/Win32Handles.h"

// The image of an icon resource that the system draws at these metrics for the screen's
// DPI: SM_CXSMICON for the notification area and the caption, SM_CXICON for Alt+Tab.
UniqueIcon LoadIconAtMetric(HINSTANCE instance, int id, int widthMetric, int heightMetric);
