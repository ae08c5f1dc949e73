#pragma once
#include <cstdint>

class KeyboardApi {
public:
    virtual ~KeyboardApi() = default;
    // keybd_event: injects one key event system-wide.
    virtual void keybd_event(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                             std::uintptr_t extraInfo) = 0;
};

constexpr std::uint8_t kVkShift = 0x10;
constexpr std::uint32_t kKeyEventKeyUp = 2;
