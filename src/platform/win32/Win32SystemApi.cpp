#include "platform/win32/Win32SystemApi.h"

#include "platform/win32/ModuleVersion.h"

const wchar_t Win32SystemApi::kInstanceMutexName[] = L"Local\\Trayhush.SingleInstance";

bool Win32SystemApi::ClaimSingleInstance() {
    if (instanceMutex_) return true;  // this process holds it already
    // The mutex stays open for the life of the process; the system drops it at exit,
    // even after a crash, so a stale instance never blocks the next start.
    instanceMutex_.Reset(::CreateMutexW(nullptr, FALSE, kInstanceMutexName));
    if (!instanceMutex_) return true;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        instanceMutex_.Reset();
        return false;
    }
    return true;
}

std::wstring Win32SystemApi::ExecutableFolder() {
    const std::wstring path = OwnExecutablePath();
    const std::size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos) return L"";
    // A drive root keeps its backslash (C:\), any other folder loses it.
    return slash == 2 && path[1] == L':' ? path.substr(0, 3) : path.substr(0, slash);
}

int Win32SystemApi::VersionMajor() { return ReadOwnVersion().major; }

int Win32SystemApi::VersionMinor() { return ReadOwnVersion().minor; }

std::wstring Win32SystemApi::FileDescription() { return ReadOwnVersion().fileDescription; }
