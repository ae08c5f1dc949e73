#pragma once
#include "platform/TextApi.h"

// A Western European system: code page 1252, and the letter case of Latin-1 and
// Latin Extended-A folded as Windows folds it.
class FakeText : public TextApi {
public:
    std::wstring AnsiToWide(const std::vector<std::uint8_t>& bytes) override {
        // 0x80..0x9F are where code page 1252 differs from Latin-1; 0 marks its holes.
        static const char16_t k80[32] = {
            0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
            0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
        std::wstring text;
        for (const std::uint8_t b : bytes)
            text.push_back(b >= 0x80 && b < 0xA0 && k80[b - 0x80] ? k80[b - 0x80] : b);
        return text;
    }

    std::wstring ToUpper(std::wstring text) override {
        for (wchar_t& c : text) {
            if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) c -= 0x20;
            else if (c == 0xFF) c = 0x178;
            else if (((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) && c % 2 == 1) c -= 1;
            else if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && c % 2 == 0) c -= 1;
        }
        return text;
    }
};
