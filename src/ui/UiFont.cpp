#include "ui/UiFont.h"

#include <cwchar>

#include "ui/Dpi.h"

namespace {
constexpr int kUiFontPoints = 8;
}  // namespace

UniqueFont CreateUiFont(unsigned dpi, UiFontStyle style) {
    // "MS Shell Dlg" maps to the system's dialog face (Microsoft Sans Serif or Tahoma).
    return UniqueFont(CreateFontW(FontHeightForDpi(kUiFontPoints, dpi), 0, 0, 0,
                                  style.bold ? FW_BOLD : FW_NORMAL, FALSE, style.underline, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg"));
}

void SetWindowFont(HWND window, HFONT font) {
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

SIZE TextExtent(HWND window, HFONT font, const wchar_t* text) {
    SIZE size{0, 0};
    const HDC dc = GetDC(window);
    if (!dc) return size;
    const HGDIOBJ previous = SelectObject(dc, font);
    GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &size);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return size;
}
