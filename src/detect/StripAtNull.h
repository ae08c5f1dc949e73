#pragma once
#include <string>

// The text before its first NUL; the whole text when it holds none. Fixed-size buffers
// filled by the system keep whatever followed the terminator.
std::wstring StripAtNull(const std::wstring& text);
