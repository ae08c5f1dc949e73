#pragma once
// The registry module's rules, checked against any RegistryApi: the in-memory fake in the
// native tests and the real registry under Wine. Each check starts without the key below.
#include <gtest/gtest.h>

#include <vector>

#include "settings/Registry.h"
#include "settings/Utf16Bytes.h"

namespace registry_contract {

inline const wchar_t kKey[] = L"Software\\TrayhushContract\\Settings";
inline const wchar_t kMissing[] = L"Software\\TrayhushContract\\No\\Such\\Key";
constexpr RegistryKey kRoot = kHkeyCurrentUser;

inline std::vector<std::uint8_t> Utf16(const std::wstring& text) {
    std::vector<std::uint8_t> bytes = ToUtf16Bytes(text);
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

// Stores a value exactly as given, or queries one: the raw calls, around the module's rules.
inline long Raw(RegistryApi& api, const std::wstring& subKey, const std::wstring& name, std::uint32_t* type,
                std::vector<std::uint8_t>* data, bool write) {
    RegistryKey key = 0;
    auto size = static_cast<std::uint32_t>(data->size());
    long result = write ? api.RegCreateKeyW(kRoot, subKey, &key) : api.RegOpenKeyW(kRoot, subKey, &key);
    if (result == kErrorSuccess)
        result = write ? api.RegSetValueExW(key, name, *type, data->data(), size)
                       : api.RegQueryValueExW(key, name, type, nullptr, &size);
    api.RegCloseKey(key);
    data->resize(size);
    return result;
}

// What a stored value reads as, as text with default "d" and as a number with default 5:
// text is cut at its first NUL, anything of another type, size or key gives the default.
inline void ReadsGiveTheValueOnlyInItsOwnTypeAndSize(RegistryApi& api) {
    struct { const wchar_t* name; std::uint32_t type; std::vector<std::uint8_t> data;
             const wchar_t* text; std::int32_t number; } rows[] = {
        {L"", kRegSz, Utf16(L"play"), L"play", 5},
        {L"empty", kRegSz, {}, L"", 5},
        {L"unterminated", kRegSz, {'D', 0, 'E', 0}, L"DE", 5},
        {L"embedded", kRegSz, Utf16(std::wstring(L"AB\0CD", 5)), L"AB", 5},
        {L"textOne", kRegSz, Utf16(L"1"), L"1", 5},
        {L"expand", kRegExpandSz, Utf16(L"%WINDIR%"), L"d", 5},
        {L"number", kRegDword, {7, 0, 0, 0}, L"d", 7},
        {L"allBits", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, L"d", -1},
        {L"wide", kRegDword, {1, 0, 0, 0, 0, 0, 0, 0}, L"d", 5},
        {L"short", kRegDword, {7, 0}, L"d", 5},
        {L"binary", kRegBinary, {1, 0, 0, 0}, L"d", 5},
    };
    for (auto& row : rows) EXPECT_EQ(Raw(api, kKey, row.name, &row.type, &row.data, true), kErrorSuccess);
    for (const auto& row : rows) {
        EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kKey, row.name, L"d"), row.text) << row.name;
        EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kKey, row.name, 5), row.number) << row.name;
    }
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kKey, L"absent", 5), 5);
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kMissing, L"number", L"d"), L"d");
    EXPECT_FALSE(Registry::RemoveValue(api, kRoot, kMissing, L"number"));
    RegistryKey key = 0;
    EXPECT_NE(api.RegOpenKeyW(kRoot, kMissing, &key), kErrorSuccess) << "reading or removing never creates a key";
}

inline void WritesCreateThePathReplaceAnyTypeAndReadBack(RegistryApi& api) {
    const std::wstring deep = std::wstring(kKey) + L"\\A\\B";
    const std::wstring path = L"\"C:\\\u30C4\u30FC\u30EB\\\u0394\u03B9\\Trayhush.exe\"";
    EXPECT_TRUE(Registry::WriteNumberValue(api, kRoot, deep, L"Value", INT32_MIN));
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, deep, L"Value", 0), INT32_MIN);
    EXPECT_TRUE(Registry::WriteTextValue(api, kRoot, deep, L"Value", path));
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, deep, L"Value", L""), path);
    std::uint32_t type = 0;
    std::vector<std::uint8_t> stored;
    EXPECT_EQ(Raw(api, deep, L"Value", &type, &stored, false), kErrorSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(stored.size(), Utf16(path).size()) << "text is stored with its NUL";
    EXPECT_TRUE(Registry::RemoveValue(api, kRoot, deep, L"Value"));
    EXPECT_FALSE(Registry::RemoveValue(api, kRoot, deep, L"Value"));
    RegistryKey key = 0;
    EXPECT_EQ(api.RegOpenKeyW(kRoot, deep, &key), kErrorSuccess) << "removing a value leaves its key";
    api.RegCloseKey(key);
}

}  // namespace registry_contract
