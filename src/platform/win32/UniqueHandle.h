#pragma once
#include <windows.h>

#include "platform/Unique.h"

// Owners of the kernel handles the Win32 layer opens for itself.
struct KernelHandleClose {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
struct FindHandleClose {
    void operator()(HANDLE search) const { ::FindClose(search); }
};
using UniqueHandle = Unique<HANDLE, KernelHandleClose>;
using UniqueFindHandle = Unique<HANDLE, FindHandleClose>;

// CreateFileW and FindFirstFileW fail with INVALID_HANDLE_VALUE, the other calls with null:
// an owner holds either as none.
inline HANDLE NoneIfInvalid(HANDLE handle) { return handle == INVALID_HANDLE_VALUE ? nullptr : handle; }
