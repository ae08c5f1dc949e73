#pragma once
#include <windows.h>

namespace trayhush::e2e {

// The Shift key as every program of the session sees it.
inline bool ShiftIsDown() { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0; }

// A Shift key left down would change how every later program of the session starts.
inline void ReleaseShift() { keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0); }

}  // namespace trayhush::e2e
