#include "platform/win32/Win32RegistryApi.h"

#include <windows.h>

namespace {

// The predefined roots are 32-bit values that Windows sign-extends on 64-bit systems.
HKEY ToHkey(Handle key) {
    if (key >= 0x80000000u && key <= 0x80000006u)
        return reinterpret_cast<HKEY>(static_cast<INT_PTR>(static_cast<LONG>(key)));
    return reinterpret_cast<HKEY>(key);
}

long Open(HKEY root, const std::wstring& subKey, Handle* key, bool create) {
    HKEY opened = nullptr;
    const LONG status = create ? ::RegCreateKeyW(root, subKey.c_str(), &opened)
                               : ::RegOpenKeyW(root, subKey.c_str(), &opened);
    *key = status == ERROR_SUCCESS ? reinterpret_cast<Handle>(opened) : 0;
    return status;
}

}  // namespace

long Win32RegistryApi::RegOpenKeyW(Handle root, const std::wstring& subKey, Handle* key) {
    return Open(ToHkey(root), subKey, key, false);
}

long Win32RegistryApi::RegCreateKeyW(Handle root, const std::wstring& subKey, Handle* key) {
    return Open(ToHkey(root), subKey, key, true);
}

long Win32RegistryApi::RegQueryValueExW(Handle key, const std::wstring& name, std::uint32_t* type,
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

long Win32RegistryApi::RegSetValueExW(Handle key, const std::wstring& name, std::uint32_t type,
                                      const std::uint8_t* data, std::uint32_t size) {
    if (key == 0) return ERROR_INVALID_HANDLE;
    return ::RegSetValueExW(ToHkey(key), name.c_str(), 0, type, data, size);
}

long Win32RegistryApi::RegDeleteValueW(Handle key, const std::wstring& name) {
    if (key == 0) return ERROR_INVALID_HANDLE;
    return ::RegDeleteValueW(ToHkey(key), name.c_str());
}

long Win32RegistryApi::RegCloseKey(Handle key) {
    if (key == 0) return ERROR_INVALID_HANDLE;
    return ::RegCloseKey(ToHkey(key));
}
