#pragma once
#include <cstdint>

// An operating-system handle or address as the logic sees it: HKEY, HANDLE, HWND,
// HICON, an item id list or a window procedure. 0 always means "none".
using Handle = std::uintptr_t;
