#include "platform/win32/Win32RegistryApi.h"

#include <windows.h>

#include "platform/win32/Win32Handles.h"

// The predefined roots are named, not converted: their values are checked here against the
// system's own, which no constant expression can read (HKEY_LOCAL_MACHINE is a pointer).
HKEY ToHkey(RegistryKey key) {
    if (key == kHkeyClassesRoot) return HKEY_CLASSES_ROOT;
    if (key == kHkeyCurrentUser) return HKEY_CURRENT_USER;
    if (key == kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
    return reinterpret_cast<HKEY>(key.value);
}

namespace {

long Open(HKEY root, const std::wstring& subKey, RegistryKey* key, bool create) {
    HKEY opened = nullptr;
    const LONG status = create ? ::RegCreateKeyW(root, subKey.c_str(), &opened)
                               : ::RegOpenKeyW(root, subKey.c_str(), &opened);
    *key = status == ERROR_SUCCESS ? FromHkey(opened) : nullptr;
    return status;
}

}  // namespace

long Win32RegistryApi::RegOpenKeyW(RegistryKey root, const std::wstring& subKey, RegistryKey* key) {
    return Open(ToHkey(root), subKey, key, false);
}

long Win32RegistryApi::RegCreateKeyW(RegistryKey root, const std::wstring& subKey, RegistryKey* key) {
    return Open(ToHkey(root), subKey, key, true);
}

long Win32RegistryApi::RegQueryValueExW(RegistryKey key, const std::wstring& name, std::uint32_t* type,
                                        std::uint8_t* data, std::uint32_t* size) {
    if (key == 0) return ERROR_INVALID_HANDLE;
    DWORD valueType = 0;
    DWORD bytes = size ? *size : 0;
    const LONG status = ::RegQueryValueExW(ToHkey(key), name.c_str(), nullptr, &valueType, data,
                                           size ? &bytes : nullptr);
    if (type) *type = valueType;
    if (size) *size = bytes;
    return status;
}

long Win32RegistryApi::RegSetValueExW(RegistryKey key, const std::wstring& name, std::uint32_t type,
                                      const std::uint8_t* data, std::uint32_t size) {
    if (key == 0) return ERROR_INVALID_HANDLE;
    return ::RegSetValueExW(ToHkey(key), name.c_str(), 0, type, data, size);
}

long Win32RegistryApi::RegDeleteValueW(RegistryKey key, const std::wstring& name) {
    if (key == 0) return ERROR_INVALID_HANDLE;
    return ::RegDeleteValueW(ToHkey(key), name.c_str());
}

long Win32RegistryApi::RegCloseKey(RegistryKey key) {
    if (key == 0) return ERROR_INVALID_HANDLE;
    return ::RegCloseKey(ToHkey(key));
}
