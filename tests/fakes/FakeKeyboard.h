#pragma once
#include <cstdint>
#include <vector>

#include "platform/KeyboardApi.h"

// Records injected key events and tracks whether Shift is down.
class FakeKeyboard : public KeyboardApi {
public:
    struct Event {
        std::uint8_t vk, scan;
        std::uint32_t flags;
        std::uintptr_t extra;
    };
    void keybd_event(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags, std::uintptr_t extra) override {
        events.push_back({vk, scan, flags, extra});
        if (vk == kVkShift) shiftDown = (flags & kKeyEventKeyUp) == 0;
    }
    std::vector<Event> events;
    bool shiftDown = false;
};
