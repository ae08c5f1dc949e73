#pragma once
#include <windows.h>

// A plain window with one line of text, open until closed: the shape of both demo programs.
int RunDemoWindow(HINSTANCE instance, int show, const wchar_t* className, const wchar_t* caption,
                  const wchar_t* text, int backgroundColour);
