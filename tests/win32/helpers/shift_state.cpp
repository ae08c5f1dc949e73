// Reports through its exit code whether Shift is down as every other program sees it:
// 1 down, 0 up.
#include <windows.h>

int wmain() { return (::GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0 ? 1 : 0; }
