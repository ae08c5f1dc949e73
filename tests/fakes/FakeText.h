#pragma once
#include <cwctype>

#include "platform/TextApi.h"

// A system of its own: past ASCII, byte b of its code page is U+0400 + b, so that text
// decoded any other way shows; letters fold as in Latin-1.
class FakeText : public TextApi {
public:
    std::wstring AnsiToWide(const std::vector<std::uint8_t>& bytes) override {
        std::wstring text;
        for (const std::uint8_t b : bytes) text.push_back(static_cast<wchar_t>(b < 0x80 ? b : 0x400 + b));
        return text;
    }
    std::wstring ToUpper(std::wstring text) override {
        for (wchar_t& c : text)
            if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) c -= 0x20;
        return text;
    }
};

// Names as the registry and the file system compare them: without regard to letter case.
inline std::wstring CaseFolded(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}
