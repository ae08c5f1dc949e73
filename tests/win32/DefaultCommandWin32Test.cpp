#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>

#include "ChildProcess.h"
#include "harness/TempFolder.h"
#include "platform/win32/ErrorMode.h"
#include "platform/win32/Win32ProcessApi.h"

namespace {

std::string ReadWhenWritten(const std::wstring& path) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::ifstream in(path.c_str());
        std::stringstream text;
        if (in) text << in.rdbuf();
        if (!text.str().empty()) return text.str();
        ::Sleep(10);
    }
    return "";
}

}  // namespace

TEST(DefaultCommandWin32, TheCommandStartsWithTheShowStateItWasGiven) {
    TempFolder folder(L"th-show-");
    const std::wstring report = folder.Path() + L"\\state.txt";
    Win32ProcessApi api;
    ASSERT_TRUE(api.StartCommandLine(L"\"" + HelperProgram(L"th_show_state.exe") + L"\" \"" + report + L"\"", 2));
    EXPECT_EQ(ReadWhenWritten(report), "2 1");
}

TEST(DefaultCommandWin32, AnEmptyOrMissingProgramIsAFailure) {
    SuppressCriticalErrorDialogs();
    Win32ProcessApi api;
    EXPECT_FALSE(api.StartCommandLine(L"", 2));
    EXPECT_FALSE(api.StartCommandLine(L"C:\\no\\such\\player.exe /dvd", 2));
    EXPECT_FALSE(api.StartCommandLine(L"\"%ProgramFiles%\\player.exe\"", 2)) << "nothing is expanded";
}
