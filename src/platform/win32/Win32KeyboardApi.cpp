#include "platform/win32/Win32KeyboardApi.h"

#include <windows.h>

#include <atomic>

namespace {

// Atomic, since a crash handler may read it on any thread.
std::atomic<bool> g_processHoldsShift{false};

}  // namespace

void Win32KeyboardApi::keybd_event(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                                   std::uintptr_t extraInfo) {
    const bool shift = virtualKey == VK_SHIFT;
    const bool release = (flags & KEYEVENTF_KEYUP) != 0;
    // Marked held before the press and cleared after the release: a crash in between then
    // costs at most one needless key-up, never a key left down.
    if (shift && !release) g_processHoldsShift = true;
    ::keybd_event(virtualKey, scanCode, flags, extraInfo);
    if (shift && release) g_processHoldsShift = false;
}

void Win32KeyboardApi::ReleaseShiftHeldByProcess() {
    if (g_processHoldsShift.exchange(false)) ::keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
}
