#pragma once
#include <cstdint>
#include <vector>

#include "platform/KeyboardApi.h"

// Records injected key events and tracks whether Shift is down.
class FakeKeyboard : public KeyboardApi {
public:
    struct Event {
        std::uint8_t vk;
        std::uint32_t flags;
    };
    void keybd_event(std::uint8_t vk, std::uint8_t, std::uint32_t flags, std::uintptr_t) override {
        events.push_back({vk, flags});
        if (vk == kVkShift) shiftDown = (flags & kKeyEventKeyUp) == 0;
    }
    std::vector<Event> events;
    bool shiftDown = false;
};
