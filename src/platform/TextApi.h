#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Text as the system reads and compares it.
class TextApi {
public:
    virtual ~TextApi() = default;
    // MultiByteToWideChar with the system's ANSI code page: how Windows itself reads a
    // file that carries no byte-order mark.
    virtual std::wstring AnsiToWide(const std::vector<std::uint8_t>& bytes) = 0;
    // Upper case as the system folds it when it compares names without regard to case
    // (CharUpperBuffW), for every letter it knows, not only a..z.
    virtual std::wstring ToUpper(std::wstring text) = 0;
};
