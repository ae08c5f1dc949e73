#pragma once
#include <utility>

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
