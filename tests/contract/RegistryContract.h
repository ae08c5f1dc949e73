#pragma once
// The registry module's rules, checked against any RegistryApi: the in-memory fake in the
// native tests and the real registry under Wine. A fixture type provides Api() and starts
// each test without the key below.
#include <gtest/gtest.h>

#include <vector>

#include "settings/Registry.h"
#include "settings/Utf16Bytes.h"

namespace registry_contract {

inline const wchar_t kKey[] = L"Software\\TrayhushContract\\Settings";
inline const wchar_t kMissing[] = L"Software\\TrayhushContract\\No\\Such\\Key";
constexpr Handle kRoot = kHkeyCurrentUser;

inline std::vector<std::uint8_t> Utf16(const std::wstring& text) {
    std::vector<std::uint8_t> bytes = ToUtf16Bytes(text);
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

// Stores a value exactly as given, bypassing the module's own writing rules.
inline void Plant(RegistryApi& api, const std::wstring& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) {
    Handle key = 0;
    api.RegCreateKeyW(kRoot, kKey, &key);
    ASSERT_EQ(api.RegSetValueExW(key, name, type, data.data(), static_cast<std::uint32_t>(data.size())), kErrorSuccess);
    api.RegCloseKey(key);
}

inline bool KeyExists(RegistryApi& api, const std::wstring& subKey) {
    Handle key = 0;
    const bool exists = api.RegOpenKeyW(kRoot, subKey, &key) == kErrorSuccess;
    api.RegCloseKey(key);
    return exists;
}

template <class Fixture>
class RegistryContract : public Fixture {};
TYPED_TEST_SUITE_P(RegistryContract);

// What a stored value reads as: text is cut at its first NUL, anything of another type,
// size or key reads as the caller's default.
TYPED_TEST_P(RegistryContract, ReadsGiveTheValueOnlyInItsOwnTypeAndSize) {
    RegistryApi& api = this->Api();
    const struct {
        const wchar_t* name;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        const wchar_t* text;  // ReadTextValue with default "d"
        std::int32_t number;  // ReadNumberValue with default 5
    } rows[] = {
        {L"", kRegSz, Utf16(L"play"), L"play", 5},
        {L"empty", kRegSz, {}, L"", 5},
        {L"unterminated", kRegSz, {'D', 0, 'E', 0}, L"DE", 5},
        {L"embedded", kRegSz, Utf16(std::wstring(L"AB\0CD", 5)), L"AB", 5},
        {L"textOne", kRegSz, Utf16(L"1"), L"1", 5},
        {L"expand", kRegExpandSz, Utf16(L"%WINDIR%"), L"d", 5},
        {L"number", kRegDword, {7, 0, 0, 0}, L"d", 7},
        {L"allBits", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, L"d", -1},
        {L"wide", kRegDword, {1, 0, 0, 0, 0, 0, 0, 0}, L"d", 5},
        {L"binary", kRegBinary, {1, 0, 0, 0}, L"d", 5},
    };
    for (const auto& row : rows) Plant(api, row.name, row.type, row.data);
    for (const auto& row : rows) {
        EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kKey, row.name, L"d"), row.text) << row.name;
        EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kKey, row.name, 5), row.number) << row.name;
    }
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kKey, L"absent", 5), 5);
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kMissing, L"number", L"d"), L"d");
    EXPECT_FALSE(Registry::RemoveValue(api, kRoot, kMissing, L"number"));
    EXPECT_FALSE(KeyExists(api, kMissing)) << "reading or removing never creates a key";
}

TYPED_TEST_P(RegistryContract, WritesCreateThePathReplaceAnyTypeAndReadBack) {
    RegistryApi& api = this->Api();
    const std::wstring deep = std::wstring(kKey) + L"\\A\\B";
    const std::wstring path = L"\"C:\\\u30C4\u30FC\u30EB\\\u0394\u03B9\\Trayhush.exe\"";
    EXPECT_TRUE(Registry::WriteNumberValue(api, kRoot, deep, L"Value", INT32_MIN));
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, deep, L"Value", 0), INT32_MIN);
    EXPECT_TRUE(Registry::WriteTextValue(api, kRoot, deep, L"Value", path));
    Handle key = 0;
    std::uint32_t type = 0, size = 0;
    api.RegOpenKeyW(kRoot, deep, &key);
    EXPECT_EQ(api.RegQueryValueExW(key, L"Value", &type, nullptr, &size), kErrorSuccess);
    api.RegCloseKey(key);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, Utf16(path).size()) << "text is stored with its NUL";
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, deep, L"Value", L""), path);
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, deep, L"Value", 5), 5);
    EXPECT_TRUE(Registry::RemoveValue(api, kRoot, deep, L"Value"));
    EXPECT_FALSE(Registry::RemoveValue(api, kRoot, deep, L"Value"));
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, deep, L"Value", L"d"), L"d");
    EXPECT_TRUE(KeyExists(api, deep)) << "removing a value leaves its key";
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract, ReadsGiveTheValueOnlyInItsOwnTypeAndSize,
                            WritesCreateThePathReplaceAnyTypeAndReadBack);

}  // namespace registry_contract
