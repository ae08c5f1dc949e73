#include "platform/win32/Win32TextApi.h"

#include <windows.h>

std::wstring Win32TextApi::AnsiToWide(const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return std::wstring();
    const char* data = reinterpret_cast<const char*>(bytes.data());
    const int count = static_cast<int>(bytes.size());
    const int chars = MultiByteToWideChar(CP_ACP, 0, data, count, nullptr, 0);
    if (chars <= 0) return std::wstring();
    std::wstring text(static_cast<std::size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, data, count, &text[0], chars);
    return text;
}

std::wstring Win32TextApi::ToUpper(std::wstring text) {
    if (!text.empty()) CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}
