#pragma once
#include <cstddef>
#include <cstdint>
#include <utility>

// The handles the logic holds, and their owner.

// ---- Typed handles ----

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

// ---- Owner ----

// Owns one handle and closes it once, with Close, when it is replaced or goes. A handle
// equal to H{} (0, null) is none and is never closed.
template <class H, class Close>
class Unique {
public:
    Unique() = default;
    explicit Unique(H handle, Close close = Close()) : handle_(handle), close_(close) {}
    // Holds none yet: the handle comes through Put.
    explicit Unique(Close close) : close_(close) {}
    ~Unique() { Reset(); }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(other.Release()), close_(other.close_) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
            close_ = other.close_;
        }
        return *this;
    }

    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != H(); }
    H Release() { return std::exchange(handle_, H()); }
    void Reset(H handle = H()) {
        if (handle_ != H()) close_(handle_);
        handle_ = handle;
    }
    // Closes what it holds and gives the address for a call that writes a new handle.
    H* Put() {
        Reset();
        return &handle_;
    }

private:
    H handle_ = H();
    Close close_;
};
