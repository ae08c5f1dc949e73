#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/TextApi.h"

// The text of an autorun.inf. A file that opens with a byte-order mark is decoded as
// the mark says (UTF-8, UTF-16 little- or big-endian); Windows itself reads such files,
// so a disc may well carry one. Any other file is in the system's ANSI code page.
std::wstring DecodeAutorunInfText(TextApi& text, const std::vector<std::uint8_t>& bytes);
