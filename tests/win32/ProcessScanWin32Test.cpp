// The disc's program found among the real processes and ended with exit code 0, every
// handle that finding programs takes given back, and the DVD player started minimised.
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>

#include "harness/ProcessResources.h"
#include "harness/TempFolder.h"
#include "harness/TrayhushMachine.h"
#include "platform/win32/Win32FileSystemApi.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32ProcessApi.h"
#include "platform/win32/Win32TextApi.h"
#include "suppress/AutorunTermination.h"

namespace {

// One call lists every process with its creation time, and the table's fingerprint, counted
// without listing, shows a start. A program created suspended has no module list yet, as a
// 64-bit program has none for the 32-bit build: the window still knows it by its image's
// path, as deep as MAX_PATH allows, and ends it with exit code 0. Scans give back every handle.
TEST(ProcessApiWin32, TheListingAndTheImageNameFindAProgramWithoutAModuleList) {
    TempFolder folder(L"th-deep-");
    std::wstring deep;
    while (folder.Path().size() + deep.size() + 41 + 16 < MAX_PATH) deep += std::wstring(40, L'd') + L"\\";
    std::wstring path = folder.Path() + L"\\" + deep + L"TH_SLEEPER.EXE";
    ASSERT_TRUE(folder.Write(deep + L"keep", "") &&
                ::CopyFileW(trayhush::e2e::NeededArtifact(L"TH_SLEEPER", L"th_sleeper.exe").c_str(), path.c_str(), FALSE));
    Win32ProcessApi api;
    EXPECT_FALSE(api.CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0xFFFFFFF0u)) << "a failed snapshot must read as none";
    std::uint64_t before = 0, after = 0;
    ASSERT_TRUE(api.ProcessTableFingerprint(&before));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION suspended{};
    ASSERT_TRUE(::CreateProcessW(path.c_str(), path.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                                 &startup, &suspended));
    const UniqueHandle process(suspended.hProcess), thread(suspended.hThread);
    ASSERT_TRUE(api.ProcessTableFingerprint(&after));
    EXPECT_NE(after, before);
    std::vector<ProcessRecord> listed;
    ASSERT_TRUE(api.ListProcesses(&listed));
    const auto mine = std::find_if(listed.begin(), listed.end(),
                                   [&](const ProcessRecord& r) { return r.processId == suspended.dwProcessId; });
    ASSERT_NE(mine, listed.end());
    std::uint64_t created = 0;
    Module module = 0;
    std::uint32_t needed = 0;
    const KernelHandle look(reinterpret_cast<std::uintptr_t>(process.Get()));
    ASSERT_TRUE(api.GetProcessCreationTime(look, &created));
    EXPECT_EQ(mine->creationTime, created);
    ASSERT_FALSE(api.EnumProcessModuleHandles(look, &module, sizeof module, &needed))
        << "Wine now lists a suspended process's modules: this test no longer shows the fallback";

    Win32TextApi text;
    Win32FileSystemApi files;
    const unsigned long handles = MeasureThisProcess().handles;
    // A new window scans at once, and opens every process to read its path.
    for (int scan = 0; scan < 20; ++scan) AutorunTermination(api, files, text).TerminateAutorunProcess(L"NO_SUCH.EXE");
    EXPECT_LT(MeasureThisProcess().handles, handles + 10) << "a scan leaves handles open";
    AutorunTermination window(api, files, text);
    window.m_sTerminateDrive = path.substr(0, 3);
    window.TerminateAutorunProcess(L"TH_SLEEPER.EXE");
    DWORD exitCode = 99;
    ASSERT_EQ(::WaitForSingleObject(process.Get(), 10000), WAIT_OBJECT_0) << "not found by its image's path";
    ::GetExitCodeProcess(process.Get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

// The user's DVD player gets the show state asked for: minimised. Wine's Notepad stands in.
TEST(ProcessApiWin32, ACommandLineStartsWithItsShowState) {
    ASSERT_TRUE(Win32ProcessApi().StartCommandLine(L"notepad.exe", kSwShowMinimized));
    HWND player = nullptr;
    for (int wait = 0; wait < 500 && !((player = FindWindowW(L"Notepad", nullptr)) && IsWindowVisible(player)); ++wait)
        ::Sleep(20);
    EXPECT_TRUE(player && IsIconic(player)) << "not started minimised";
    if (player) PostMessageW(player, WM_CLOSE, 0, 0);
}

// The prefix's ANSI code page is 1252, as on a Western European Windows.
TEST(TextWin32, AnsiBytesAndLetterCaseAreTheSystemsOwn) {
    Win32TextApi text;
    EXPECT_EQ(text.AnsiToWide({'d', 0xE9, 0x8A, 0x80}), L"d\u00E9\u0160\u20AC");
    EXPECT_EQ(text.AnsiToWide({}), L"");
    EXPECT_EQ(text.ToUpper(L"d\u00E9marrer \u0161oft \u00FF.exe"), L"D\u00C9MARRER \u0160OFT \u0178.EXE");
    EXPECT_EQ(text.ToUpper(L""), L"");
}

}  // namespace
