#include "harness/RemoteLibrary.h"

#include <psapi.h>

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <vector>

#include "harness/ErrorText.h"

namespace trayhush::e2e {
namespace {

constexpr DWORD kLoadTimeoutMs = 10000;
constexpr DWORD kAccess = PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                          PROCESS_VM_READ | PROCESS_VM_WRITE | SYNCHRONIZE;

// kernel32 sits at the same address in every process of a session, so its entry points
// found here are valid in the target too.
void* Kernel32Entry(const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name));
}

std::wstring LowerCase(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

std::wstring BaseName(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

RemoteLibrary::RemoteLibrary(DWORD processId, const std::wstring& dllPath) : dllPath_(dllPath) {
    process_ = OpenProcess(kAccess, FALSE, processId);
    if (!process_) {
        Fail(L"OpenProcess(" + std::to_wstring(processId) + L")", GetLastError());
        return;
    }
    void* remotePath = nullptr;
    if (!WriteRemoteString(dllPath, &remotePath)) return;
    DWORD truncatedBase = 0;
    const bool ran = RunRemoteThread(Kernel32Entry("LoadLibraryW"), remotePath, kLoadTimeoutMs, &truncatedBase);
    VirtualFreeEx(process_, remotePath, 0, MEM_RELEASE);
    if (!ran) return;
    if (truncatedBase == 0) {
        Fail(L"LoadLibraryW(" + dllPath + L") in the target returned NULL", ERROR_MOD_NOT_FOUND);
        return;
    }
    remoteBase_ = FindRemoteModule(truncatedBase);
    if (!remoteBase_) Fail(L"the loaded " + BaseName(dllPath) + L" is not among the target's modules", 0);
}

RemoteLibrary::~RemoteLibrary() {
    if (remoteBase_) {
        DWORD ignored = 0;
        RunRemoteThread(Kernel32Entry("FreeLibrary"), remoteBase_, kLoadTimeoutMs, &ignored);
    }
    if (process_) CloseHandle(process_);
}

bool RemoteLibrary::Call(const char* exportName, UINT_PTR argument, DWORD timeoutMs, DWORD* result) {
    if (!remoteBase_) return false;
    // The same file mapped here gives the export's offset from the module's base. Not
    // initialised: its runtime's start-up and shutdown would run in this process too.
    const HMODULE local = LoadLibraryExW(dllPath_.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    if (!local) {
        Fail(L"LoadLibraryExW(" + dllPath_ + L") here", GetLastError());
        return false;
    }
    const auto entry = reinterpret_cast<const char*>(GetProcAddress(local, exportName));
    const DWORD lookupError = GetLastError();
    const auto offset = entry ? entry - reinterpret_cast<const char*>(local) : 0;
    FreeLibrary(local);
    if (!entry) {
        Fail(L"the export " + std::wstring(exportName, exportName + std::strlen(exportName)), lookupError);
        return false;
    }
    return RunRemoteThread(static_cast<char*>(remoteBase_) + offset, reinterpret_cast<void*>(argument),
                           timeoutMs, result);
}

bool RemoteLibrary::RunRemoteThread(void* routine, void* argument, DWORD timeoutMs, DWORD* result) {
    if (!routine) {
        Fail(L"no routine to run", ERROR_PROC_NOT_FOUND);
        return false;
    }
    const HANDLE thread = CreateRemoteThread(process_, nullptr, 0,
                                             reinterpret_cast<LPTHREAD_START_ROUTINE>(routine), argument, 0,
                                             nullptr);
    if (!thread) {
        Fail(L"CreateRemoteThread", GetLastError());
        return false;
    }
    const DWORD waited = WaitForSingleObject(thread, timeoutMs);
    bool ok = waited == WAIT_OBJECT_0 && GetExitCodeThread(thread, result);
    if (!ok) {
        // A thread that is still running keeps what it uses; the DLL must then stay loaded.
        if (waited == WAIT_TIMEOUT) remoteBase_ = nullptr;
        Fail(waited == WAIT_TIMEOUT ? L"the remote thread did not end within " + std::to_wstring(timeoutMs) + L" ms"
                                    : L"waiting for the remote thread",
             waited == WAIT_TIMEOUT ? 0 : GetLastError());
    }
    CloseHandle(thread);
    return ok;
}

bool RemoteLibrary::WriteRemoteString(const std::wstring& text, void** where) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    *where = VirtualAllocEx(process_, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!*where) {
        Fail(L"VirtualAllocEx", GetLastError());
        return false;
    }
    SIZE_T written = 0;
    if (!WriteProcessMemory(process_, *where, text.c_str(), bytes, &written) || written != bytes) {
        Fail(L"WriteProcessMemory", GetLastError());
        VirtualFreeEx(process_, *where, 0, MEM_RELEASE);
        *where = nullptr;
        return false;
    }
    return true;
}

void* RemoteLibrary::FindRemoteModule(DWORD truncatedBase) {
    // A thread's exit code keeps only the low half of a 64-bit module handle.
    std::vector<HMODULE> modules(512);
    DWORD needed = 0;
    if (!EnumProcessModules(process_, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                            &needed))
        return nullptr;
    modules.resize(std::min<std::size_t>(modules.size(), needed / sizeof(HMODULE)));
    const std::wstring wanted = LowerCase(BaseName(dllPath_));
    for (HMODULE module : modules) {
        if (static_cast<DWORD>(reinterpret_cast<UINT_PTR>(module)) != truncatedBase) continue;
        wchar_t name[MAX_PATH] = {};
        if (GetModuleBaseNameW(process_, module, name, MAX_PATH) && LowerCase(name) == wanted) return module;
    }
    return nullptr;
}

void RemoteLibrary::Fail(const std::wstring& what, DWORD error) {
    error_ = error == 0 ? what : what + L": " + DescribeError(error);
}

}  // namespace trayhush::e2e
