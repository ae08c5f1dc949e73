#pragma once
#include "platform/RegistryApi.h"

class Win32RegistryApi : public RegistryApi {
public:
    long RegOpenKeyW(Handle root, const std::wstring& subKey, Handle* key) override;
    long RegCreateKeyW(Handle root, const std::wstring& subKey, Handle* key) override;
    long RegQueryValueExW(Handle key, const std::wstring& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) override;
    long RegSetValueExW(Handle key, const std::wstring& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
    long RegDeleteValueW(Handle key, const std::wstring& name) override;
    long RegCloseKey(Handle key) override;
};
