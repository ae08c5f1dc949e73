#pragma once
#include "platform/TextApi.h"

class Win32TextApi : public TextApi {
public:
    std::wstring AnsiToWide(const std::vector<std::uint8_t>& bytes) override;
    std::wstring ToUpper(std::wstring text) override;
};
