#pragma once
#include "platform/RegistryApi.h"

class Win32RegistryApi : public RegistryApi {
public:
    long RegOpenKeyW(RegistryKey root, const std::wstring& subKey, RegistryKey* key) override;
    long RegCreateKeyW(RegistryKey root, const std::wstring& subKey, RegistryKey* key) override;
    long RegQueryValueExW(RegistryKey key, const std::wstring& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override;
    long RegSetValueExW(RegistryKey key, const std::wstring& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
    long RegDeleteValueW(RegistryKey key, const std::wstring& name) override;
    long RegCloseKey(RegistryKey key) override;
};
