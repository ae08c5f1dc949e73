#include <gtest/gtest.h>

#include "fakes/FakeText.h"
#include "suppress/AutorunInf.h"

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::optional<std::wstring> Parse(const std::string& text) { FakeText cp1252;
    return ParseAutorunProgramName(cp1252, Bytes(text)); }

struct NameCase {
    const char* file;
    const wchar_t* name;
};

}  // namespace

TEST(AutorunInfTest, TheValueRunsFromTheKeyToTheFirstExeInTheFilesOwnCase) {
    const NameCase cases[] = {
        {"[autorun]\r\nOPEN=Setup.exe /auto\r\n", L"Setup.exe"},
        {"open = bin\\run.EXE", L"bin\\run.EXE"},
        {"open= start.exe", L"start.exe"},
        {"open=setup.exe", L"setup.exe"},
        {"OPEN = SETUP.EXE", L"SETUP.EXE"},
        {"open =setup.exe", L"setup.exe"},
        {"open=Setup.Exe", L"Setup.Exe"},
        {"oPeN=x.eXe", L"x.eXe"},
        {"open=  two.exe", L" two.exe"},
        {"open=a.exe.exe", L"a.exe"},
    };
    for (const NameCase& c : cases) {
        const auto name = Parse(c.file);
        ASSERT_TRUE(name.has_value()) << c.file;
        EXPECT_EQ(*name, c.name) << c.file;
    }
}

TEST(AutorunInfTest, TheFirstKeyAnywhereInTheFileCountsEvenInsideAnotherWord) {
    EXPECT_EQ(Parse("[autorun]\nreopen=first.exe\nopen=second.exe"), L"first.exe");
    EXPECT_EQ(Parse("; see shell\\open=docs.exe\n[autorun]\nopen=setup.exe"), L"docs.exe");
    EXPECT_EQ(Parse("[autorun]\nicon=disc.ico\nopen=setup.exe"), L"setup.exe");
}

TEST(AutorunInfTest, TheNameCrossesLineBreaksToTheNextExe) {
    EXPECT_EQ(Parse("[autorun]\r\nopen=run.bat\r\nicon=disc.exe\r\n"), L"run.bat\r\nicon=disc.exe");
}

TEST(AutorunInfTest, OneOpeningQuoteIsDropped) {
    EXPECT_EQ(Parse("open=\"Setup.exe\""), L"Setup.exe");
    EXPECT_EQ(Parse("open= \"My Disc\\Setup.exe\" /auto"), L"My Disc\\Setup.exe");
    EXPECT_EQ(Parse("open =\"x.exe\""), L"x.exe");
    EXPECT_EQ(Parse("open=\"\"x.exe"), L"\"x.exe") << "only the first quote";
    EXPECT_EQ(Parse("open=  \"x.exe\""), L" \"x.exe") << "a quote after a second space stays";
}

TEST(AutorunInfTest, FilesWithoutAUsableKeyGiveNoName) {
    EXPECT_EQ(Parse(""), std::nullopt);
    EXPECT_EQ(Parse("[autorun]\r\nicon=setup.exe\r\n"), std::nullopt) << "no key";
    EXPECT_EQ(Parse("[autorun]\r\nopen=run.bat\r\n"), std::nullopt) << "no .EXE";
    EXPECT_EQ(Parse("setup.exe\r\nopen=run.bat"), std::nullopt) << "an .EXE before the key";
    EXPECT_EQ(Parse("open"), std::nullopt);
    EXPECT_EQ(Parse("open="), std::nullopt);
    EXPECT_EQ(Parse("open=x.ex"), std::nullopt);
    EXPECT_EQ(Parse("open:x.exe"), std::nullopt);
}

TEST(AutorunInfTest, BytesAreCharactersOfCodePage1252) {
    const std::vector<std::uint8_t> binary = {0x00, 0xFF, 'o', 'p', 'e', 'n', '=', 0xE9, 0x00,
                                              0x80, '.', 'E', 'X', 'E', 0x1A};
    FakeText cp1252;
    EXPECT_EQ(ParseAutorunProgramName(cp1252, binary), std::wstring(L"\u00E9\0\u20AC.EXE", 7));

    std::vector<std::uint8_t> noise(4096);
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<std::uint8_t>(i * 37 % 251);
    EXPECT_EQ(ParseAutorunProgramName(cp1252, noise), std::nullopt);
}

TEST(AutorunInfTest, ThirtyTwoThousandSevenHundredSixtySevenCharactersAreTheLimit) {
    std::string text = "open=first.exe";
    text.resize(32767, ' ');
    EXPECT_EQ(Parse(text), L"first.exe");
    text.push_back(' ');
    EXPECT_EQ(Parse(text), std::nullopt) << "one more byte and even a key at the start is lost";

    std::string keyAtTheEnd(32767 - 13, ';');
    keyAtTheEnd += "open=last.exe";
    ASSERT_EQ(keyAtTheEnd.size(), 32767u);
    EXPECT_EQ(Parse(keyAtTheEnd), L"last.exe");
}
