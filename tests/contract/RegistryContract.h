#pragma once
// The registry module's rules, checked against any RegistryApi: the in-memory fake in the
// native tests and the real registry under Wine. The check starts without the key below.
#include <gtest/gtest.h>

#include <vector>

#include "settings/Registry.h"
#include "settings/Utf16Bytes.h"

namespace registry_contract {

inline const wchar_t kKey[] = L"Software\\TrayhushContract\\Settings";
constexpr RegistryKey kRoot = kHkeyCurrentUser;

inline std::vector<std::uint8_t> Utf16(const std::wstring& text) {
    std::vector<std::uint8_t> bytes = ToUtf16Bytes(text);
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

// What a stored value reads as, as text with default "d" and as a number with default 5:
// text is cut at its first NUL, anything of another type, size or key gives the default.
// A write makes the whole path, replaces a value of any type and reads back; text is stored
// with its NUL. Reading or removing never makes a key; removing a value leaves its key.
inline void KeepsTheRegistrysRules(RegistryApi& api) {
    const struct { const wchar_t* name; std::uint32_t type; std::vector<std::uint8_t> data;
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
    RegistryKey key = 0;
    ASSERT_EQ(api.RegCreateKeyW(kRoot, kKey, &key), kErrorSuccess);
    for (const auto& row : rows) {
        const auto size = static_cast<std::uint32_t>(row.data.size());
        EXPECT_EQ(api.RegSetValueExW(key, row.name, row.type, row.data.data(), size), kErrorSuccess) << row.name;
    }
    api.RegCloseKey(key);
    for (const auto& row : rows) {
        EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kKey, row.name, L"d"), row.text) << row.name;
        EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kKey, row.name, 5), row.number) << row.name;
    }
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kKey, L"absent", 5), 5);

    const std::wstring deep = std::wstring(kKey) + L"\\A\\B";
    const std::wstring path = L"\"C:\\\u30C4\u30FC\u30EB\\\u0394\u03B9\\Trayhush.exe\"";
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, deep, L"Value", L"d"), L"d");
    EXPECT_FALSE(Registry::RemoveValue(api, kRoot, deep, L"Value"));
    EXPECT_NE(api.RegOpenKeyW(kRoot, deep, &key), kErrorSuccess) << "reading or removing made a key";
    EXPECT_TRUE(Registry::WriteNumberValue(api, kRoot, deep, L"Value", INT32_MIN));
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, deep, L"Value", 0), INT32_MIN);
    EXPECT_TRUE(Registry::WriteTextValue(api, kRoot, deep, L"Value", path));
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, deep, L"Value", L""), path);
    std::uint32_t type = 0, size = 0;
    ASSERT_EQ(api.RegOpenKeyW(kRoot, deep, &key), kErrorSuccess);
    EXPECT_EQ(api.RegQueryValueExW(key, L"Value", &type, nullptr, &size), kErrorSuccess);
    api.RegCloseKey(key);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, Utf16(path).size()) << "text is stored with its NUL";
    EXPECT_TRUE(Registry::RemoveValue(api, kRoot, deep, L"Value"));
    EXPECT_FALSE(Registry::RemoveValue(api, kRoot, deep, L"Value"));
    EXPECT_EQ(api.RegOpenKeyW(kRoot, deep, &key), kErrorSuccess) << "removing a value took its key";
    api.RegCloseKey(key);
}

}  // namespace registry_contract
