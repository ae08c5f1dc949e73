#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"
#include "settings/Registry.h"

namespace {

const wchar_t kKey[] = L"Software\\Trayhush\\Settings";

std::vector<std::uint8_t> Utf16Bytes(const std::wstring& text, bool withNul) {
    std::vector<std::uint8_t> bytes;
    for (wchar_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
    }
    if (withNul) bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(reg.OpenHandles(), 0) << "a key was left open"; }
    FakeRegistry reg;
};

TEST_F(RegistryTest, TextReadsFollowTheNulRules) {
    reg.SetRaw(kHkeyLocalMachine, kKey, L"zero", kRegSz, {});
    reg.SetRaw(kHkeyLocalMachine, kKey, L"nul", kRegSz, {0, 0});
    reg.SetRaw(kHkeyLocalMachine, kKey, L"unterminated", kRegSz, Utf16Bytes(L"DE", false));
    reg.SetRaw(kHkeyLocalMachine, kKey, L"embedded", kRegSz, Utf16Bytes(std::wstring(L"AB\0CD", 5), true));
    EXPECT_EQ(Registry::ReadTextValue(reg, kHkeyLocalMachine, kKey, L"zero", L"dflt"), L"");
    EXPECT_EQ(Registry::ReadTextValue(reg, kHkeyLocalMachine, kKey, L"nul", L"dflt"), L"");
    EXPECT_EQ(Registry::ReadTextValue(reg, kHkeyLocalMachine, kKey, L"unterminated", L"dflt"), L"DE");
    EXPECT_EQ(Registry::ReadTextValue(reg, kHkeyLocalMachine, kKey, L"embedded", L"dflt"), L"AB");
}

TEST_F(RegistryTest, OtherTypesAndMissingValuesGiveTheDefault) {
    reg.SetRaw(kHkeyLocalMachine, kKey, L"expand", kRegExpandSz, Utf16Bytes(L"%WINDIR%", true));
    reg.SetText(kHkeyLocalMachine, kKey, L"textOne", L"1");
    reg.SetNumber(kHkeyLocalMachine, kKey, L"number", 7);
    reg.SetRaw(kHkeyLocalMachine, kKey, L"wide", kRegDword, {1, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Registry::ReadTextValue(reg, kHkeyLocalMachine, kKey, L"expand", L"d"), L"d");
    EXPECT_EQ(Registry::ReadTextValue(reg, kHkeyLocalMachine, kKey, L"number", L"d"), L"d");
    EXPECT_EQ(Registry::ReadNumberValue(reg, kHkeyLocalMachine, kKey, L"textOne", 5), 5);
    EXPECT_EQ(Registry::ReadNumberValue(reg, kHkeyLocalMachine, kKey, L"wide", 5), 5);
    EXPECT_EQ(Registry::ReadNumberValue(reg, kHkeyLocalMachine, kKey, L"absent", 5), 5);
    EXPECT_EQ(Registry::ReadNumberValue(reg, kHkeyLocalMachine, L"No\\Such\\Key", L"number", 9), 9);
    EXPECT_EQ(Registry::ReadTextValue(reg, kHkeyLocalMachine, L"No\\Such\\Key", L"x", L"d"), L"d");
}

TEST_F(RegistryTest, NumbersAreSigned32Bit) {
    reg.SetRaw(kHkeyLocalMachine, kKey, L"all", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(Registry::ReadNumberValue(reg, kHkeyLocalMachine, kKey, L"all", 0), -1);
}

TEST_F(RegistryTest, EmptyNameIsTheDefaultValue) {
    reg.SetText(kHkeyClassesRoot, L"DVD\\shell", L"", L"play");
    EXPECT_EQ(Registry::ReadTextValue(reg, kHkeyClassesRoot, L"DVD\\shell", L"", L""), L"play");
}

TEST_F(RegistryTest, WritesCreateTheWholePathAndReplaceAnyType) {
    EXPECT_TRUE(Registry::WriteNumberValue(reg, kHkeyLocalMachine, kKey, L"AllDrives", 1));
    EXPECT_TRUE(reg.KeyExists(kHkeyLocalMachine, L"Software\\Trayhush"));
    const auto* v = reg.Find(kHkeyLocalMachine, kKey, L"AllDrives");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->type, kRegDword);
    EXPECT_EQ(v->data, (std::vector<std::uint8_t>{1, 0, 0, 0}));

    EXPECT_TRUE(Registry::WriteTextValue(reg, kHkeyLocalMachine, kKey, L"AllDrives", L"DE"));
    v = reg.Find(kHkeyLocalMachine, kKey, L"AllDrives");
    EXPECT_EQ(v->type, kRegSz);
    EXPECT_EQ(v->data, Utf16Bytes(L"DE", true)) << "text is stored with its NUL";
}

TEST_F(RegistryTest, RemoveNeverCreatesAndLeavesTheKey) {
    EXPECT_FALSE(Registry::RemoveValue(reg, kHkeyLocalMachine, L"Missing\\Key", L"x"));
    EXPECT_FALSE(reg.KeyExists(kHkeyLocalMachine, L"Missing\\Key"));
    reg.SetText(kHkeyLocalMachine, kKey, L"Drivelist", L"D");
    EXPECT_TRUE(Registry::RemoveValue(reg, kHkeyLocalMachine, kKey, L"Drivelist"));
    EXPECT_FALSE(Registry::RemoveValue(reg, kHkeyLocalMachine, kKey, L"Drivelist"));
    EXPECT_TRUE(reg.KeyExists(kHkeyLocalMachine, kKey));
}

TEST_F(RegistryTest, RefusedWritesChangeNothing) {
    reg.RefuseWritesUnder(kHkeyLocalMachine);
    EXPECT_FALSE(Registry::WriteNumberValue(reg, kHkeyLocalMachine, kKey, L"Disabled", 1));
    EXPECT_FALSE(reg.KeyExists(kHkeyLocalMachine, kKey));
}

}  // namespace
