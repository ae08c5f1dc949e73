#pragma once
#include "platform/KeyboardApi.h"

class Win32KeyboardApi : public KeyboardApi {
public:
    void keybd_event(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                     std::uintptr_t extraInfo) override;

    // One Shift key-up, only when this process pressed Shift and has not released it since:
    // a Shift that another program holds is not ours to release. Kept for the whole process,
    // as the key is, so that a dying process can still tell; fit for a crash handler.
    static void ReleaseShiftHeldByProcess();
};
