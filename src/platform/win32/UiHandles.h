#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

// Owning wrappers for the user-interface handles: each one is released by its destructor.
struct IconRelease {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct MenuRelease {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct FontRelease {
    void operator()(HFONT font) const { DeleteObject(font); }
};

using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconRelease>;
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuRelease>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontRelease>;
