#include <gtest/gtest.h>

#include "platform/win32/Win32TextApi.h"

// The prefix's ANSI code page is 1252, as on a Western European Windows.
TEST(TextWin32, AnsiBytesAndLetterCaseAreTheSystemsOwn) {
    Win32TextApi text;
    EXPECT_EQ(text.AnsiToWide({'d', 0xE9, 0x8A, 0x80}), L"d\u00E9\u0160\u20AC");
    EXPECT_EQ(text.AnsiToWide({}), L"");
    EXPECT_EQ(text.ToUpper(L"d\u00E9marrer \u0161oft \u00FF.exe"), L"D\u00C9MARRER \u0160OFT \u0178.EXE");
    EXPECT_EQ(text.ToUpper(L""), L"");
}
