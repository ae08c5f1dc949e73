#pragma once
#include "platform/KeyboardApi.h"

class Win32KeyboardApi : public KeyboardApi {
public:
    void keybd_event(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                     std::uintptr_t extraInfo) override;
};
