#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "fakes/FakeText.h"
#include "suppress/ProcessMatch.h"

TEST(ProcessMatchTest, TheNameMustStandInThePathOfAProgramOnTheInsertedDrive) {
    FakeText text;
    struct Case {
        const wchar_t* path;
        const wchar_t* name;
        const wchar_t* root;
        bool match;
    };
    const Case cases[] = {
        {L"E:\\SETUP.EXE", L"SETUP.EXE", L"E:\\", true},
        {L"e:\\setup.exe", L"Setup.Exe", L"E:\\", true},
        {L"E:\\SETUP.EXE", L"SETUP.EXE", L"e:\\", true},
        {L"E:\\INSTALL\\MYSETUP.EXE", L"SETUP.EXE", L"E:\\", true},
        {L"E:\\BIN\\RUN.EXE", L"bin\\run.EXE", L"E:\\", true},
        {L"C:\\TOOLS\\SETUP.EXE", L"SETUP.EXE", L"E:\\", false},
        {L"E:SETUP.EXE", L"SETUP.EXE", L"E:\\", false},
        {L"\\\\?\\E:\\SETUP.EXE", L"SETUP.EXE", L"E:\\", false},
        {L"E:\\SETUP.EX", L"SETUP.EXE", L"E:\\", false},
        {L"E:\\SETUP.EXE", L"\"SETUP.EXE", L"E:\\", false},
        {L"E:\\SETUP.EXE", L"", L"E:\\", false},
        {L"", L"", L"", false},
    };
    for (const Case& c : cases) {
        const std::string story = std::string(c.path, c.path + std::wcslen(c.path)) + " / " +
                                  std::string(c.name, c.name + std::wcslen(c.name));
        EXPECT_EQ(IsDiscAutorunProcess(text, c.path, c.name, c.root), c.match) << story;
    }
}
