#pragma once
#include <windows.h>
#include <shtypes.h>

#include "platform/Handles.h"

// The Win32 handles that the Win32 layer and the windows own, and the logic's typed
// handles converted to and from Win32's.

// ---- Kernel owners ----

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

// ---- Window-system owners ----

struct IconRelease {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct MenuRelease {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct FontRelease {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using UniqueIcon = Unique<HICON, IconRelease>;
using UniqueMenu = Unique<HMENU, MenuRelease>;
using UniqueFont = Unique<HFONT, FontRelease>;

// ---- Typed handles to and from Win32's: each kind to its own Win32 type and back ----

inline KernelHandle FromHandle(HANDLE handle) { return KernelHandle(reinterpret_cast<std::uintptr_t>(handle)); }
inline HANDLE ToHandle(KernelHandle handle) { return reinterpret_cast<HANDLE>(handle.value); }

inline Window FromHwnd(HWND window) { return Window(reinterpret_cast<std::uintptr_t>(window)); }
inline HWND ToHwnd(Window window) { return reinterpret_cast<HWND>(window.value); }

inline Icon FromHicon(HICON icon) { return Icon(reinterpret_cast<std::uintptr_t>(icon)); }
inline HICON ToHicon(Icon icon) { return reinterpret_cast<HICON>(icon.value); }

inline ItemList FromPidl(PCIDLIST_ABSOLUTE items) { return ItemList(reinterpret_cast<std::uintptr_t>(items)); }
inline PIDLIST_ABSOLUTE ToPidl(ItemList items) { return reinterpret_cast<PIDLIST_ABSOLUTE>(items.value); }

inline WindowProcedure FromWndproc(WNDPROC procedure) {
    return WindowProcedure(reinterpret_cast<std::uintptr_t>(procedure));
}
inline WNDPROC ToWndproc(WindowProcedure procedure) { return reinterpret_cast<WNDPROC>(procedure.value); }

inline Module FromHmodule(HMODULE module) { return Module(reinterpret_cast<std::uintptr_t>(module)); }
inline HMODULE ToHmodule(Module module) { return reinterpret_cast<HMODULE>(module.value); }

inline RegistryKey FromHkey(HKEY key) { return RegistryKey(reinterpret_cast<std::uintptr_t>(key)); }
HKEY ToHkey(RegistryKey key);
