#pragma once
#include "platform/KeyboardApi.h"

// Whether Shift is down, and how often it was let go: every report lets go of it first.
class FakeKeyboard : public KeyboardApi {
public:
    void keybd_event(std::uint8_t vk, std::uint8_t, std::uint32_t flags, std::uintptr_t) override {
        if (vk != kVkShift) return;
        shiftDown = (flags & kKeyEventKeyUp) == 0;
        releases += shiftDown ? 0 : 1;
    }
    bool shiftDown = false;
    int releases = 0;
};
