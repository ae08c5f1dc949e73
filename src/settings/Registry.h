#pragma once
#include <cstdint>
#include <string>

#include "platform/RegistryApi.h"

// Every registry access of the program: one key opened per call, one read, write or
// delete, the key closed again. Reads fall back to the caller's default; nothing raises.
namespace Registry {

std::wstring ReadTextValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                           const std::wstring& name, const std::wstring& defaultText);
std::int32_t ReadNumberValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                             const std::wstring& name, std::int32_t defaultNumber);
// The write and remove results say whether the registry accepted them; callers that
// have no fallback ignore them.
bool WriteTextValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                    const std::wstring& name, const std::wstring& text);
bool WriteNumberValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                      const std::wstring& name, std::int32_t number);
bool RemoveValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                 const std::wstring& name);

// Whether a value of the text or number type exists, for readers that combine two roots.
bool HasTextValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                  const std::wstring& name);
bool HasNumberValue(RegistryApi& api, RegistryKey root, const std::wstring& subKey,
                    const std::wstring& name);

}  // namespace Registry
