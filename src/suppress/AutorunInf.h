#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/TextApi.h"

// Positions in the file's text are 16-bit counts, so a longer file is not parsed at all.
constexpr std::size_t kMaxAutorunInfChars = 32767;

// The program that a disc's autorun.inf starts, from the file's raw bytes (decoded by
// DecodeAutorunInfText; the length limit counts bytes): the value of the first "open" key
// found anywhere in the file, from the start of the value up to and including the first
// ".EXE" after it, verbatim (line breaks and all), both found without regard to letter
// case as the system folds it. One double quote opening the value is dropped, and the
// name is put as the running program's path has it: forward slashes become backslashes
// and one leading ".\" goes. Nothing when the file is too long, has no key, or has no
// ".EXE" after it.
std::optional<std::wstring> ParseAutorunProgramName(TextApi& text, const std::vector<std::uint8_t>& bytes);
