#pragma once
#include "platform/win32/Win32Handles.h"

struct UiFontStyle {
    bool bold = false;
    bool underline = false;
};

// The dialog font at 8 points for a DPI: the look of the classic 8-point sans serif.
UniqueFont CreateUiFont(unsigned dpi, UiFontStyle style = {});

// Gives a window and its text a font; the caller keeps the font alive.
void SetWindowFont(HWND window, HFONT font);

// The size of a text drawn in a font.
SIZE TextExtent(HWND window, HFONT font, const wchar_t* text);
