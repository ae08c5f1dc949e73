#pragma once
#include <cstddef>
#include <cstdint>

// An operating-system handle or address as the logic sees it, one type per kind so that a
// registry key cannot be passed where a window is wanted. 0 (or nullptr) means "none";
// any other value is made only by the Win32 layer or a fake.
template <class Kind>
struct TypedHandle {
    constexpr TypedHandle() = default;
    constexpr TypedHandle(std::nullptr_t) {}
    constexpr explicit TypedHandle(std::uintptr_t raw) : value(raw) {}
    constexpr explicit operator bool() const { return value != 0; }
    friend constexpr bool operator==(TypedHandle a, TypedHandle b) { return a.value == b.value; }
    friend constexpr bool operator!=(TypedHandle a, TypedHandle b) { return a.value != b.value; }
    // Only so that a handle can key an ordered container.
    friend constexpr bool operator<(TypedHandle a, TypedHandle b) { return a.value < b.value; }

    std::uintptr_t value = 0;
};

using RegistryKey = TypedHandle<struct RegistryKeyKind>;            // HKEY
using KernelHandle = TypedHandle<struct KernelHandleKind>;          // HANDLE: processes, snapshots
using Window = TypedHandle<struct WindowKind>;                      // HWND
using Icon = TypedHandle<struct IconKind>;                          // HICON
using ItemList = TypedHandle<struct ItemListKind>;                  // PIDL
using WindowProcedure = TypedHandle<struct WindowProcedureKind>;    // WNDPROC
using Module = TypedHandle<struct ModuleKind>;                      // HMODULE
