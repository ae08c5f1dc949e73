#pragma once
#include <windows.h>

#include "platform/Unique.h"

// Owners of the user-interface handles: each one is released when its owner goes.
struct IconRelease {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct MenuRelease {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct FontRelease {
    void operator()(HFONT font) const { DeleteObject(font); }
};

using UniqueIcon = Unique<HICON, IconRelease>;
using UniqueMenu = Unique<HMENU, MenuRelease>;
using UniqueFont = Unique<HFONT, FontRelease>;
