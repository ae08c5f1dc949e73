#pragma once
// The registry module's rules, checked against any RegistryApi: the in-memory fake in the
// native tests and the real registry under Wine. A fixture type provides Api() and Clean().
#include <gtest/gtest.h>

#include <vector>

#include "settings/Registry.h"
#include "settings/Utf16Bytes.h"

namespace registry_contract {

inline const wchar_t kKey[] = L"Software\\TrayhushContract\\Settings";
inline const wchar_t kMissing[] = L"Software\\TrayhushContract\\No\\Such\\Key";
constexpr Handle kRoot = kHkeyCurrentUser;

inline std::vector<std::uint8_t> Utf16(const std::wstring& text, bool withNul) {
    std::vector<std::uint8_t> bytes = ToUtf16Bytes(text);
    if (withNul) bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

// Stores a value exactly as given, bypassing the module's own writing rules.
inline void Plant(RegistryApi& api, const std::wstring& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) {
    Handle key = 0;
    ASSERT_EQ(api.RegCreateKeyW(kRoot, kKey, &key), kErrorSuccess);
    EXPECT_EQ(api.RegSetValueExW(key, name, type, data.data(), static_cast<std::uint32_t>(data.size())),
              kErrorSuccess);
    api.RegCloseKey(key);
}

// The raw type and bytes of a stored value; type 0 when absent.
inline std::pair<std::uint32_t, std::vector<std::uint8_t>> Stored(RegistryApi& api, Handle root,
                                                                  const std::wstring& subKey,
                                                                  const std::wstring& name) {
    Handle key = 0;
    if (api.RegOpenKeyW(root, subKey, &key) != kErrorSuccess) return {0, {}};
    std::uint32_t type = 0, size = 0;
    std::vector<std::uint8_t> data;
    if (api.RegQueryValueExW(key, name, &type, nullptr, &size) == kErrorSuccess) {
        data.resize(size);
        api.RegQueryValueExW(key, name, &type, data.data(), &size);
    } else {
        type = 0;
    }
    api.RegCloseKey(key);
    return {type, data};
}

inline bool KeyExists(RegistryApi& api, Handle root, const std::wstring& subKey) {
    Handle key = 0;
    const bool exists = api.RegOpenKeyW(root, subKey, &key) == kErrorSuccess;
    api.RegCloseKey(key);
    return exists;
}

template <class Fixture>
class RegistryContract : public Fixture {};
TYPED_TEST_SUITE_P(RegistryContract);

TYPED_TEST_P(RegistryContract, TextReadsFollowTheNulRules) {
    RegistryApi& api = this->Api();
    Plant(api, L"zero", kRegSz, {});
    Plant(api, L"nul", kRegSz, {0, 0});
    Plant(api, L"unterminated", kRegSz, Utf16(L"DE", false));
    Plant(api, L"embedded", kRegSz, Utf16(std::wstring(L"AB\0CD", 5), true));
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kKey, L"zero", L"dflt"), L"");
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kKey, L"nul", L"dflt"), L"");
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kKey, L"unterminated", L"dflt"), L"DE");
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kKey, L"embedded", L"dflt"), L"AB");
}

TYPED_TEST_P(RegistryContract, OtherTypesAndMissingValuesGiveTheDefault) {
    RegistryApi& api = this->Api();
    Plant(api, L"expand", kRegExpandSz, Utf16(L"%WINDIR%", true));
    Plant(api, L"textOne", kRegSz, Utf16(L"1", true));
    Plant(api, L"number", kRegDword, {7, 0, 0, 0});
    Plant(api, L"wide", kRegDword, {1, 0, 0, 0, 0, 0, 0, 0});
    Plant(api, L"binary", kRegBinary, {1, 0, 0, 0});
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kKey, L"expand", L"d"), L"d");
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kKey, L"number", L"d"), L"d");
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kKey, L"textOne", 5), 5);
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kKey, L"wide", 5), 5);
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kKey, L"binary", 5), 5);
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kKey, L"absent", 5), 5);
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kMissing, L"number", 9), 9);
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kMissing, L"x", L"d"), L"d");
    EXPECT_FALSE(KeyExists(api, kRoot, kMissing)) << "reading never creates a key";
}

TYPED_TEST_P(RegistryContract, NumbersAreSigned32Bit) {
    RegistryApi& api = this->Api();
    Plant(api, L"all", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kKey, L"all", 0), -1);
    Registry::WriteNumberValue(api, kRoot, kKey, L"min", INT32_MIN);
    EXPECT_EQ(Registry::ReadNumberValue(api, kRoot, kKey, L"min", 0), INT32_MIN);
}

TYPED_TEST_P(RegistryContract, EmptyNameIsTheDefaultValue) {
    RegistryApi& api = this->Api();
    Plant(api, L"", kRegSz, Utf16(L"play", true));
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kKey, L"", L""), L"play");
}

TYPED_TEST_P(RegistryContract, WritesCreateTheWholePathAndReplaceAnyType) {
    RegistryApi& api = this->Api();
    const std::wstring deep = std::wstring(kKey) + L"\\A\\B";
    EXPECT_TRUE(Registry::WriteNumberValue(api, kRoot, deep, L"AllDrives", 1));
    auto stored = Stored(api, kRoot, deep, L"AllDrives");
    EXPECT_EQ(stored.first, kRegDword);
    EXPECT_EQ(stored.second, (std::vector<std::uint8_t>{1, 0, 0, 0}));

    EXPECT_TRUE(Registry::WriteTextValue(api, kRoot, deep, L"AllDrives", L"DE"));
    stored = Stored(api, kRoot, deep, L"AllDrives");
    EXPECT_EQ(stored.first, kRegSz);
    EXPECT_EQ(stored.second, Utf16(L"DE", true)) << "text is stored with its NUL";
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, deep, L"AllDrives", L""), L"DE");
}

TYPED_TEST_P(RegistryContract, TextOutsideTheAnsiCodePageSurvives) {
    RegistryApi& api = this->Api();
    const std::wstring path = L"\"C:\\\u30C4\u30FC\u30EB\\\u0394\u03B9\u03C3\u03BA\\Trayhush.exe\"";
    Registry::WriteTextValue(api, kRoot, kKey, L"Trayhush", path);
    EXPECT_EQ(Registry::ReadTextValue(api, kRoot, kKey, L"Trayhush", L""), path);
}

TYPED_TEST_P(RegistryContract, RemoveNeverCreatesAndLeavesTheKey) {
    RegistryApi& api = this->Api();
    EXPECT_FALSE(Registry::RemoveValue(api, kRoot, kMissing, L"x"));
    EXPECT_FALSE(KeyExists(api, kRoot, kMissing));
    Plant(api, L"Drivelist", kRegSz, Utf16(L"D", true));
    EXPECT_TRUE(Registry::RemoveValue(api, kRoot, kKey, L"Drivelist"));
    EXPECT_FALSE(Registry::RemoveValue(api, kRoot, kKey, L"Drivelist"));
    EXPECT_EQ(Stored(api, kRoot, kKey, L"Drivelist").first, 0u);
    EXPECT_TRUE(KeyExists(api, kRoot, kKey));
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract, TextReadsFollowTheNulRules,
                            OtherTypesAndMissingValuesGiveTheDefault, NumbersAreSigned32Bit,
                            EmptyNameIsTheDefaultValue, WritesCreateTheWholePathAndReplaceAnyType,
                            TextOutsideTheAnsiCodePageSurvives, RemoveNeverCreatesAndLeavesTheKey);

}  // namespace registry_contract
