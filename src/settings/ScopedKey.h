#pragma once
#include "platform/RegistryApi.h"

// Closes a registry key on every path out of the operation that opened it.
class ScopedKey {
public:
    explicit ScopedKey(RegistryApi& api) : api_(api) {}
    ~ScopedKey() { api_.RegCloseKey(key_); }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    Handle* Out() { return &key_; }
    Handle Get() const { return key_; }

private:
    RegistryApi& api_;
    Handle key_ = 0;
};
