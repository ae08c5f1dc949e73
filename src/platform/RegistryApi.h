#pragma once
#include <cstdint>
#include <string>

#include "platform/Handles.h"
#include "platform/Win32Errors.h"

// The registry calls, with the W forms' arguments and failure conventions:
// every call returns a Win32 error code (0 = success), a failed open leaves *key at 0.
class RegistryApi {
public:
    virtual ~RegistryApi() = default;
    virtual long RegOpenKeyW(RegistryKey root, const std::wstring& subKey, RegistryKey* key) = 0;
    virtual long RegCreateKeyW(RegistryKey root, const std::wstring& subKey, RegistryKey* key) = 0;
    // data may be null to ask for type and size only; *size is in bytes, in and out.
    virtual long RegQueryValueExW(RegistryKey key, const std::wstring& name, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* size) = 0;
    virtual long RegSetValueExW(RegistryKey key, const std::wstring& name, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t size) = 0;
    virtual long RegDeleteValueW(RegistryKey key, const std::wstring& name) = 0;
    virtual long RegCloseKey(RegistryKey key) = 0;
};

// Closes a key through the interface that opened it.
struct RegistryKeyCloser {
    RegistryKeyCloser(RegistryApi& registry) : api(&registry) {}
    void operator()(RegistryKey key) const { api->RegCloseKey(key); }
    RegistryApi* api;
};
using UniqueRegistryKey = Unique<RegistryKey, RegistryKeyCloser>;

// Predefined roots as 32-bit values; the Win32 layer turns them into HKEY_CLASSES_ROOT etc.,
// which 64-bit Windows sign-extends.
constexpr RegistryKey kHkeyClassesRoot{0x80000000u};
constexpr RegistryKey kHkeyCurrentUser{0x80000001u};
constexpr RegistryKey kHkeyLocalMachine{0x80000002u};

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegMultiSz = 7;
