#pragma once
#include <string>

// The icon record's 64-character tip field: the text (63 characters at most, so that its
// NUL always fits), a NUL, then blanks.
constexpr std::size_t kTipFieldLength = 64;

std::wstring MakeTipField(const std::wstring& text);
// The tip text: the field up to its first NUL.
std::wstring TipFieldText(const std::wstring& field);
