#include "platform/win32/Win32KeyboardApi.h"

#include <windows.h>

void Win32KeyboardApi::keybd_event(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                                   std::uintptr_t extraInfo) {
    ::keybd_event(virtualKey, scanCode, flags, extraInfo);
}
