#pragma once
#include "platform/Handles.h"

// An invisible image control that only holds a picture: one icon at the two sizes the
// system draws it.
struct Image {
    Icon picture = 0;         // small: the notification area and the caption
    Icon largePicture = 0;  // large: Alt+Tab
};
