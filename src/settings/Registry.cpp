#include "settings/Registry.h"

#include <cstring>
#include <vector>

#include "settings/Utf16Bytes.h"

namespace Registry {

namespace {

// Asks for a value's type and size without reading its data.
bool QueryTypeAndSize(RegistryApi& api, RegistryKey key, const std::wstring& name,
                      std::uint32_t* type, std::uint32_t* size) {
    *type = 0;
    *size = 0;
    return api.RegQueryValueExW(key, name, type, nullptr, size) == kErrorSuccess;
}

bool TryReadNumber(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                   const std::wstring& name, std::int32_t* number) {
    UniqueRegistryKey key(api);
    api.RegOpenKeyW(root, subKey, key.Put());
    std::uint8_t data[4] = {};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof data;
    if (api.RegQueryValueExW(key.Get(), name, &type, data, &size) != kErrorSuccess) return false;
    if (type != kRegDword || size != sizeof data) return false;
    std::memcpy(number, data, sizeof data);
    return true;
}

}  // namespace

std::wstring ReadTextValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                           const std::wstring& name, const std::wstring& defaultText) {
    UniqueRegistryKey key(api);
    api.RegOpenKeyW(root, subKey, key.Put());
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (!QueryTypeAndSize(api, key.Get(), name, &type, &size) || type != kRegSz)
        return defaultText;
    // The buffer starts as blanks, so a second query that writes less leaves blanks.
    std::vector<std::uint8_t> buffer(size, 0);
    for (std::size_t i = 0; i + 1 < buffer.size(); i += 2) buffer[i] = ' ';
    std::uint32_t bytes = size;
    api.RegQueryValueExW(key.Get(), name, &type, buffer.data(), &bytes);
    const std::wstring text = FromUtf16Bytes(buffer.data(), buffer.size());
    const std::size_t nul = text.find(L'\0');
    return nul == std::wstring::npos ? text : text.substr(0, nul);
}

std::int32_t ReadNumberValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                             const std::wstring& name, std::int32_t defaultNumber) {
    std::int32_t number = defaultNumber;
    return TryReadNumber(api, root, subKey, name, &number) ? number : defaultNumber;
}

bool WriteTextValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                    const std::wstring& name, const std::wstring& text) {
    UniqueRegistryKey key(api);
    if (api.RegCreateKeyW(root, subKey, key.Put()) != kErrorSuccess) return false;
    std::vector<std::uint8_t> data = ToUtf16Bytes(text);
    data.insert(data.end(), {0, 0});
    return api.RegSetValueExW(key.Get(), name, kRegSz, data.data(),
                              static_cast<std::uint32_t>(data.size())) == kErrorSuccess;
}

bool WriteNumberValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                      const std::wstring& name, std::int32_t number) {
    UniqueRegistryKey key(api);
    if (api.RegCreateKeyW(root, subKey, key.Put()) != kErrorSuccess) return false;
    std::uint8_t data[4];
    std::memcpy(data, &number, sizeof data);
    return api.RegSetValueExW(key.Get(), name, kRegDword, data, sizeof data) == kErrorSuccess;
}

bool RemoveValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                 const std::wstring& name) {
    UniqueRegistryKey key(api);
    if (api.RegOpenKeyW(root, subKey, key.Put()) != kErrorSuccess) return false;
    return api.RegDeleteValueW(key.Get(), name) == kErrorSuccess;
}

bool HasTextValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                  const std::wstring& name) {
    UniqueRegistryKey key(api);
    api.RegOpenKeyW(root, subKey, key.Put());
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    return QueryTypeAndSize(api, key.Get(), name, &type, &size) && type == kRegSz;
}

bool HasNumberValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                    const std::wstring& name) {
    std::int32_t ignored = 0;
    return TryReadNumber(api, root, subKey, name, &ignored);
}

}  // namespace Registry
