// The disc's program found among the real processes and ended with exit code 0, every
// handle that reading discs and finding and ending programs takes given back, and the DVD
// player started minimised.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "DiscOnCdDrive.h"
#include "harness/ProcessGroup.h"
#include "harness/ProcessResources.h"
#include "harness/TrayhushMachine.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32TextApi.h"

namespace {

using trayhush::e2e::NeededArtifact;

// Parameter: the platform id, which picks the enumeration (Toolhelp or the process list).
class ProcessScanWin32 : public ::testing::TestWithParam<std::uint32_t> {};

// The program lies as deep on the disc as a path within MAX_PATH allows; a program of the
// same name on the system drive matches by name and fails only the drive test.
TEST_P(ProcessScanWin32, TheDiscProgramDiesWithExitCodeZeroAndItsNamesakeLives) {
    DiscOnCdDrive cd(GetParam());
    TempFolder tools(L"th-tools-");
    const std::wstring sleeper = NeededArtifact(L"TH_SLEEPER", L"th_sleeper.exe");
    std::wstring folder;
    while (cd.Root().size() + folder.size() + 41 + 10 < MAX_PATH) folder += std::wstring(40, L'd') + L"\\";
    ASSERT_TRUE(cd.Burn("[autorun]\r\nopen=SETUP.EXE\r\n") && cd.disc.Write(folder + L"keep", ""));
    ASSERT_TRUE(::CopyFileW(sleeper.c_str(), (tools.Path() + L"\\SETUP.EXE").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileW(sleeper.c_str(), (cd.disc.Path() + L"\\" + folder + L"SETUP.EXE").c_str(), FALSE));
    cd.form.ReportArrival(cd.Root());  // whatever the calls set up on first use
    for (int tick = 0; tick < 3; ++tick) cd.form.Timer1.Fire();
    trayhush::e2e::ProcessGroup group;
    std::wstring error;
    const auto namesake = group.Start(tools.Path() + L"\\SETUP.EXE", L"", L"", &error);
    const auto fromDisc = group.Start(cd.Root() + folder + L"SETUP.EXE", L"", L"", &error);
    ASSERT_TRUE(namesake && fromDisc) << "cannot start the programs";
    const unsigned long handles = MeasureThisProcess().handles;

    cd.form.ReportArrival(cd.Root());
    ASSERT_TRUE(cd.form.Timer1.Enabled()) << "the disc was not recognised";
    // Ticks as the real timer would: a program only just created may not be inspectable yet.
    for (int tick = 0; tick < 500 && fromDisc.Running(); ++tick) {
        cd.form.Timer1.Fire();
        ::Sleep(10);
    }
    DWORD exitCode = 99;
    ASSERT_TRUE(fromDisc.WaitForExit(10000, &exitCode)) << "the disc's program still runs";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(namesake.Running());
    // Each report opens two file searches and each tick a listing or a snapshot and the
    // namesake: twenty of each would leave dozens of handles, far beyond Wine's own few.
    for (int arrival = 0; arrival < 20; ++arrival) {
        cd.form.ReportArrival(cd.Root());
        cd.form.Timer1.Fire();
    }
    EXPECT_LT(MeasureThisProcess().handles, handles + 10) << "reading the disc or scanning leaves handles open";
}

INSTANTIATE_TEST_SUITE_P(Enumerations, ProcessScanWin32, ::testing::Values(1u, 2u),
                         [](const ::testing::TestParamInfo<std::uint32_t>& info) {
                             return info.param == 1 ? std::string("Toolhelp") : std::string("ProcessIds");
                         });

// One call lists every process in the system's order (EnumProcesses') with its creation
// time, and the table's fingerprint, counted without listing, shows a start. A program
// created suspended has no module list yet, as a 64-bit program has none for the 32-bit
// build: the scan still knows it by its image's path, and ends it at once.
TEST(ProcessApiWin32, TheListingAndTheImageNameFindAProgramWithoutAModuleList) {
    const std::wstring path = NeededArtifact(L"TH_SLEEPER", L"th_sleeper.exe");
    Win32ProcessApi api;
    EXPECT_FALSE(api.CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0xFFFFFFF0u)) << "a failed snapshot must read as none";
    std::uint64_t before = 0, after = 0;
    ASSERT_TRUE(api.ProcessTableFingerprint(&before));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION suspended{};
    std::wstring line = L"\"" + path + L"\"";
    ASSERT_TRUE(::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                                 &startup, &suspended));
    const UniqueHandle process(suspended.hProcess), thread(suspended.hThread);
    ASSERT_TRUE(api.ProcessTableFingerprint(&after));
    EXPECT_NE(after, before);
    std::vector<ProcessRecord> listed;
    ASSERT_TRUE(api.ListProcesses(&listed));
    DWORD ids[4096], bytes = 0;
    ASSERT_TRUE(::EnumProcesses(ids, sizeof ids, &bytes));
    std::vector<std::uint32_t> listedIds;
    for (const ProcessRecord& record : listed) listedIds.push_back(record.processId);
    EXPECT_EQ(listedIds, std::vector<std::uint32_t>(ids, ids + bytes / sizeof(DWORD)));
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
    DiscOnCdDrive cd;  // a window that ends programs through the real calls
    cd.form.m_termination.m_sTerminateDrive = path.substr(0, 3);
    cd.form.m_termination.TerminateAutorunProcess(L"TH_SLEEPER.EXE");
    DWORD exitCode = 99;
    ASSERT_EQ(::WaitForSingleObject(process.Get(), 10000), WAIT_OBJECT_0) << "not found by its image's path";
    ::GetExitCodeProcess(process.Get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

// The user's DVD player gets the show state asked for: minimised.
TEST(ProcessApiWin32, ACommandLineStartsWithItsShowState) {
    TempFolder folder(L"th-player-");
    const std::wstring marker = folder.Path() + L"\\started.txt";
    Win32ProcessApi api;
    ASSERT_TRUE(api.StartCommandLine(L"\"" + NeededArtifact(L"TH_SHOW_STATE", L"th_show_state.exe") + L"\" \"" + marker + L"\"",
                                     kSwShowMinimized));
    const auto read = [&] {
        std::ostringstream text;
        text << std::ifstream(marker.c_str()).rdbuf();
        return text.str();
    };
    std::string shown;
    for (int wait = 0; wait < 500 && (shown = read()).empty(); ++wait) ::Sleep(20);
    EXPECT_EQ(shown, "2 1") << "show state and STARTF_USESHOWWINDOW";
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
