#pragma once
#include <windows.h>

#include <string>

namespace trayhush::e2e {

// A DLL loaded into another process through threads created there, and unloaded the
// same way when the object goes. Everything the test needs runs in exported thread
// routines of the DLL (DWORD WINAPI f(void*)), so the process under test carries no hook
// of its own.
class RemoteLibrary {
public:
    // dllPath must be a full Windows path: the target resolves it on its own.
    RemoteLibrary(DWORD processId, const std::wstring& dllPath);
    ~RemoteLibrary();
    RemoteLibrary(const RemoteLibrary&) = delete;
    RemoteLibrary& operator=(const RemoteLibrary&) = delete;

    bool Loaded() const { return remoteBase_ != nullptr; }
    // Why loading or the last call failed, for the test's message.
    const std::wstring& Error() const { return error_; }

    // Runs the export on a new thread in the target and waits up to timeoutMs for its
    // result; false (and Error()) when it could not be run or did not end in time.
    bool Call(const char* exportName, UINT_PTR argument, DWORD timeoutMs, DWORD* result);

private:
    bool RunRemoteThread(void* routine, void* argument, DWORD timeoutMs, DWORD* result);
    bool WriteRemoteString(const std::wstring& text, void** where);
    void* FindRemoteModule(DWORD truncatedBase);
    void Fail(const std::wstring& what, DWORD error);

    std::wstring dllPath_;
    HANDLE process_ = nullptr;
    void* remoteBase_ = nullptr;
    std::wstring error_;
};

}  // namespace trayhush::e2e
