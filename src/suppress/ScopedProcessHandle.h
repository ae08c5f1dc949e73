#pragma once
#include "platform/ProcessApi.h"

// Closes a process or snapshot handle on every path out of the operation that opened it.
class ScopedProcessHandle {
public:
    ScopedProcessHandle(ProcessApi& api, Handle handle) : api_(api), handle_(handle) {}
    ~ScopedProcessHandle() {
        if (handle_ != 0) api_.CloseHandle(handle_);
    }
    ScopedProcessHandle(const ScopedProcessHandle&) = delete;
    ScopedProcessHandle& operator=(const ScopedProcessHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }

private:
    ProcessApi& api_;
    Handle handle_;
};
