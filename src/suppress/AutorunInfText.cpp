#include "suppress/AutorunInfText.h"

#include <initializer_list>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// wchar_t is UTF-16 on Windows and UTF-32 in the native tests; either way a character
// comes out as the strings of this program hold it.
void Append(std::wstring& text, char32_t c) {
    if (sizeof(wchar_t) == 2 && c > 0xFFFF) {
        c -= 0x10000;
        text.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
        text.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
    } else {
        text.push_back(static_cast<wchar_t>(c));
    }
}

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

std::wstring FromUtf16(const std::vector<std::uint8_t>& bytes, bool bigEndian) {
    std::wstring text;
    auto unit = [&](std::size_t i) -> char32_t {
        return bigEndian ? (bytes[i] << 8 | bytes[i + 1]) : (bytes[i + 1] << 8 | bytes[i]);
    };
    // A last odd byte is no character.
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const char32_t c = unit(i);
        if (IsHighSurrogate(c) && i + 3 < bytes.size() && IsLowSurrogate(unit(i + 2))) {
            Append(text, 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00));
            i += 2;
        } else {
            Append(text, IsHighSurrogate(c) || IsLowSurrogate(c) ? kReplacement : c);
        }
    }
    return text;
}

// The length of the UTF-8 sequence that a byte opens, 0 when it opens none.
std::size_t SequenceLength(std::uint8_t lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xC2) return 0;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return lead < 0xF5 ? 4 : 0;
}

// A malformed sequence becomes one replacement character per byte.
std::wstring FromUtf8(const std::vector<std::uint8_t>& bytes) {
    std::wstring text;
    std::size_t i = 3;
    while (i < bytes.size()) {
        const std::size_t length = SequenceLength(bytes[i]);
        char32_t c = length == 1 ? bytes[i] : bytes[i] & (0x7F >> length);
        bool valid = length != 0 && i + length <= bytes.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (bytes[i + k] & 0xC0) == 0x80;
            c = c << 6 | (bytes[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not characters.
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && c >= smallest[length] && c <= 0x10FFFF && !IsHighSurrogate(c) && !IsLowSurrogate(c);
        Append(text, valid ? c : kReplacement);
        i += valid ? length : 1;
    }
    return text;
}

bool StartsWith(const std::vector<std::uint8_t>& bytes, std::initializer_list<std::uint8_t> mark) {
    if (bytes.size() < mark.size()) return false;
    std::size_t i = 0;
    for (const std::uint8_t b : mark)
        if (bytes[i++] != b) return false;
    return true;
}

}  // namespace

std::wstring DecodeAutorunInfText(TextApi& text, const std::vector<std::uint8_t>& bytes) {
    if (StartsWith(bytes, {0xFF, 0xFE})) return FromUtf16(bytes, false);
    if (StartsWith(bytes, {0xFE, 0xFF})) return FromUtf16(bytes, true);
    if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) return FromUtf8(bytes);
    return text.AnsiToWide(bytes);
}
