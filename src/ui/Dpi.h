#pragma once
#include <windows.h>

// Window layouts are kept in twips (1/1440 inch) and converted with the DPI the window is
// really drawn at, so that they look the same at 100 % and at 200 %.
constexpr int kTwipsPerInch = 1440;
constexpr unsigned kBaseDpi = 96;

struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// Rounded to the nearest pixel.
int TwipsToPixels(int twips, unsigned dpi);
double PixelsToTwips(int pixels, unsigned dpi);
// Character height (negative, as CreateFont wants it) of a point size.
int FontHeightForDpi(int points, unsigned dpi);

// The window's own DPI where the system keeps one per monitor, else the screen's.
unsigned WindowDpi(HWND window);
// The DPI of the primary screen at logon: what the notification area draws with.
unsigned SystemDpi();
int SystemMetricForDpi(int index, unsigned dpi);
// The window size that gives this client size.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, bool hasMenu, unsigned dpi);
