#include <gtest/gtest.h>

#include "Form1Fixture.h"

namespace {

const wchar_t kShell[] = L"DVD\\shell";

class DefaultDvdCommandTest : public Form1Fixture {
protected:
    void Verb(const std::wstring& verb) { fake.registry.SetText(kHkeyClassesRoot, kShell, L"", verb); }
    void Command(const std::wstring& verb, const std::wstring& command) {
        fake.registry.SetText(kHkeyClassesRoot, std::wstring(kShell) + L"\\" + verb + L"\\command", L"",
                              command);
    }
    const std::vector<FakeProcesses::Started>& Started() const { return fake.processes.started; }
};

}  // namespace

TEST_F(DefaultDvdCommandTest, TheDefaultVerbsCommandStartsMinimizedExactlyAsRegistered) {
    Verb(L"play");
    Command(L"play", L"\"C:\\Program Files\\Player\\player.exe\" /dvd %1");
    Command(L"open", L"explorer.exe %1");

    EXPECT_TRUE(form1->RunDefaultDvdCommand());
    ASSERT_EQ(Started().size(), 1u);
    EXPECT_EQ(Started()[0].commandLine, L"\"C:\\Program Files\\Player\\player.exe\" /dvd %1");
    EXPECT_EQ(Started()[0].showState, 2);
    EXPECT_EQ(fake.registry.OpenHandles(), 0);
}

TEST_F(DefaultDvdCommandTest, NoDefaultVerbStartsNothingEvenWhenVerbsExist) {
    Command(L"play", L"player.exe");
    EXPECT_FALSE(form1->RunDefaultDvdCommand());
    Verb(L"");
    EXPECT_FALSE(form1->RunDefaultDvdCommand());
    EXPECT_TRUE(Started().empty());
}

TEST_F(DefaultDvdCommandTest, OnlyTextValuesCountAsCommands) {
    Verb(L"play");
    const std::wstring command = L"%ProgramFiles%\\player.exe";
    std::vector<std::uint8_t> bytes;
    for (wchar_t c : command + L'\0') {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    fake.registry.SetRaw(kHkeyClassesRoot, L"DVD\\shell\\play\\command", L"", kRegExpandSz, bytes);
    EXPECT_FALSE(form1->RunDefaultDvdCommand());
    EXPECT_TRUE(Started().empty());
}

TEST_F(DefaultDvdCommandTest, ACommandThatCannotStartIsReportedToTheCaller) {
    Verb(L"play");
    Command(L"play", L"C:\\Gone\\player.exe");
    fake.processes.startable = {L"something else"};
    EXPECT_FALSE(form1->RunDefaultDvdCommand());
    EXPECT_TRUE(Started().empty());
}
