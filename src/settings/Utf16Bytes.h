#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Registry text is UTF-16 little-endian bytes whatever the width of wchar_t (two bytes on
// Windows, four in the native unit tests). Code units are carried one to one.
std::vector<std::uint8_t> ToUtf16Bytes(const std::wstring& text);
std::wstring FromUtf16Bytes(const std::uint8_t* bytes, std::size_t count);
