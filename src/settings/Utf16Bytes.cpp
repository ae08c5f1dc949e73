#include "settings/Utf16Bytes.h"

std::vector<std::uint8_t> ToUtf16Bytes(const std::wstring& text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() * 2);
    for (wchar_t c : text) {
        const auto unit = static_cast<std::uint16_t>(c);
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::wstring FromUtf16Bytes(const std::uint8_t* bytes, std::size_t count) {
    std::wstring text;
    text.reserve((count + 1) / 2);
    for (std::size_t i = 0; i < count; i += 2) {
        const std::uint16_t high = i + 1 < count ? bytes[i + 1] : 0;
        text.push_back(static_cast<wchar_t>(bytes[i] | (high << 8)));
    }
    return text;
}
