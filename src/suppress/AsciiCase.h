#pragma once
#include <string>

// Letter case folded for the ASCII letters only. The names compared here come from a
// disc's autorun.inf read byte for byte, so only ASCII letters can be relied on to mean
// the same on the disc and in a process path.
inline wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

inline std::wstring AsciiUpper(std::wstring text) {
    for (wchar_t& c : text) c = AsciiUpper(c);
    return text;
}
