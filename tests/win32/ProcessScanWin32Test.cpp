#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <memory>

#include "ChildProcess.h"
#include "harness/TempFolder.h"
#include "TestCdDrive.h"
#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "platform/win32/ErrorMode.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32FileSystemApi.h"
#include "platform/win32/Win32ProcessApi.h"
#include "suppress/ProcessScan.h"
#include "platform/win32/Win32TextApi.h"

// The scan alone: which process it would end, without ending it.
static std::optional<std::uint32_t> FindAutorunProcess(ProcessApi& api, std::uint32_t platformId,
                                                       const std::wstring& name, const std::wstring& root) {
    Win32TextApi text;
    return TerminateAutorunProcessScan(api, text, platformId, {name, root}, nullptr, [](std::uint32_t) {});
}


namespace {

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

// The handles this process holds, counted by asking after every possible handle value:
// Wine's GetProcessHandleCount always answers 0.
int OpenHandleCount() {
    int count = 0;
    for (std::uintptr_t value = 4; value < 4 * 16384; value += 4) {
        DWORD flags = 0;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

// A DVD-Video disc whose autorun.inf starts SETUP.EXE, in a CD-ROM drive, and a program of
// the same name on the system drive. The main window uses the real processes and files;
// everything else is fake. Parameter: the platform id, which picks the enumeration.
class ProcessScanWin32 : public ::testing::TestWithParam<std::uint32_t> {
protected:
    void SetUp() override {
        SuppressCriticalErrorDialogs();
        ASSERT_FALSE(disc.Path().empty());
        ASSERT_FALSE(tools.Path().empty());
        ASSERT_TRUE(disc.Write(L"AUTORUN.INF", "[autorun]\r\nopen=SETUP.EXE\r\nicon=SETUP.EXE,0\r\n"));
        ASSERT_TRUE(disc.Write(L"VIDEO_TS\\VIDEO_TS.IFO", "DVDVIDEO-VMG"));
        const std::wstring sleeper = HelperProgram(L"th_sleeper.exe");
        ASSERT_TRUE(::CopyFileW(sleeper.c_str(), (disc.Path() + L"\\SETUP.EXE").c_str(), FALSE));
        ASSERT_TRUE(::CopyFileW(sleeper.c_str(), (tools.Path() + L"\\SETUP.EXE").c_str(), FALSE));
        drive = std::make_unique<TestCdDrive>(disc.Path());
        ASSERT_EQ(drive->Error(), "");

        form.Check[4].SetValue(0);  // terminate the program rather than hold Shift
        form.FillDriveList();
        form.SelectAllDrives();
    }

    // Ticks as the real timer would until the process has gone, for at most a few seconds:
    // a program that has only just been created may not be inspectable yet.
    void TickUntilGone(const ChildProcess& child) {
        for (int tick = 0; tick < 500 && child.Running() && form.Timer1.Enabled(); ++tick) {
            form.Timer1.Fire();
            ::Sleep(10);
        }
    }

    TempFolder disc{L"th-disc-"};
    TempFolder tools{L"th-tools-"};
    std::unique_ptr<TestCdDrive> drive;
    Win32ProcessApi processes{GetParam()};
    Win32FileSystemApi files;
    FakePlatform fake;
    Platform platform{fake.registry, files, processes, fake.keyboard,
                      fake.shell,    fake.hooks, fake.system, fake.ui, fake.text};
    Form1 form{platform};
};

}  // namespace

TEST_P(ProcessScanWin32, TheDiscProgramDiesWithExitCodeZeroAndItsNamesakeOnCLives) {
    ChildProcess namesake(Quoted(tools.Path() + L"\\SETUP.EXE"));
    ChildProcess fromDisc(Quoted(drive->Root() + L"SETUP.EXE"));
    ASSERT_TRUE(namesake.Started());
    ASSERT_TRUE(fromDisc.Started()) << "cannot start a program from the CD-ROM drive";

    form.ReportArrival(drive->Root());
    ASSERT_TRUE(form.Timer1.Enabled()) << "the disc was not recognised";
    EXPECT_EQ(form.m_sAutorunProgram, L"SETUP.EXE");

    TickUntilGone(fromDisc);
    DWORD exitCode = 99;
    ASSERT_TRUE(fromDisc.WaitForExit(10000, &exitCode)) << "the disc's program still runs";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(namesake.Running());
    EXPECT_TRUE(form.Timer1.Enabled()) << "the window goes on after a kill";

    ChildProcess again(Quoted(drive->Root() + L"SETUP.EXE"));
    TickUntilGone(again);
    ASSERT_TRUE(again.WaitForExit(10000, &exitCode)) << "a second start within the window survived";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(namesake.Running());
}

TEST_P(ProcessScanWin32, ThousandScansLeaveNoHandleBehind) {
    ChildProcess namesake(Quoted(tools.Path() + L"\\SETUP.EXE"));
    ASSERT_TRUE(namesake.Started());
    form.Text1.SetText(drive->Root());
    // Let the namesake get far enough to be inspectable, so that scans see a name match
    // that fails the drive test.
    ::Sleep(200);

    const int before = OpenHandleCount();
    {
        UniqueHandle probe(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        ASSERT_EQ(OpenHandleCount(), before + 1) << "the count cannot see a new handle";
    }
    for (int scan = 0; scan < 1000; ++scan) form.TerminateAutorunProcess(L"SETUP.EXE");
    for (int kill = 0; kill < 10; ++kill) form.KillProcessById(::GetCurrentProcessId() + 4000000);
    EXPECT_EQ(OpenHandleCount(), before);
    EXPECT_TRUE(namesake.Running());
}

TEST_P(ProcessScanWin32, TheScanSeesTheProgramUnderItsPathOnTheDisc) {
    ChildProcess fromDisc(Quoted(drive->Root() + L"SETUP.EXE"));
    ASSERT_TRUE(fromDisc.Started());
    std::optional<std::uint32_t> found;
    for (int attempt = 0; attempt < 200 && !found; ++attempt) {
        found = FindAutorunProcess(processes, GetParam(), L"setup.exe", drive->Root());
        if (!found) ::Sleep(10);
    }
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, fromDisc.Id());
    EXPECT_TRUE(fromDisc.Running()) << "finding is not killing";
    EXPECT_FALSE(FindAutorunProcess(processes, GetParam(), L"SETUP.EXE", L"C:\\").has_value())
        << "it lies on the disc's drive only";
}

INSTANTIATE_TEST_SUITE_P(Enumerations, ProcessScanWin32, ::testing::Values(1u, 2u),
                         [](const ::testing::TestParamInfo<std::uint32_t>& info) {
                             return info.param == 1 ? std::string("Toolhelp") : std::string("ProcessIds");
                         });

TEST(ProcessApiWin32, ToolhelpEntriesCarryFullPaths) {
    Win32ProcessApi api;
    const Handle snapshot = api.CreateToolhelp32Snapshot(kTh32csSnapProcess, 0);
    ASSERT_NE(snapshot, 0u);
    wchar_t own[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, own, MAX_PATH);
    std::wstring seen;
    int entries = 0;
    ProcessEntry entry;
    for (bool more = api.Process32FirstW(snapshot, &entry); more; more = api.Process32NextW(snapshot, &entry)) {
        ++entries;
        if (entry.processId == ::GetCurrentProcessId()) seen = entry.exeFile;
    }
    EXPECT_TRUE(api.CloseHandle(snapshot));
    EXPECT_GT(entries, 1);
    EXPECT_EQ(::CompareStringOrdinal(seen.c_str(), -1, own, -1, TRUE), CSTR_EQUAL)
        << "Toolhelp gave " << std::string(seen.begin(), seen.end());
}

TEST(ProcessApiWin32, ThePlatformIsTheNtFamilyUnlessForced) {
    EXPECT_EQ(Win32ProcessApi().GetPlatformId(), static_cast<std::uint32_t>(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(Win32ProcessApi(1).GetPlatformId(), 1u);
    EXPECT_EQ(Win32ProcessApi(7).GetPlatformId(), 7u);
}

// The scan's order is the system's: the one that EnumProcesses gives.
TEST(ProcessApiWin32, OneCallListsEveryProcessInTheSystemsOrderWithItsCreationTime) {
    ChildProcess child(Quoted(HelperProgram(L"th_sleeper.exe")));
    ASSERT_TRUE(child.Started());
    Win32ProcessApi api;
    std::vector<ProcessRecord> listed;
    ASSERT_TRUE(api.ListProcesses(&listed));
    DWORD ids[4096];
    DWORD bytes = 0;
    ASSERT_TRUE(::EnumProcesses(ids, sizeof ids, &bytes));
    std::vector<std::uint32_t> listedIds;
    for (const ProcessRecord& record : listed) listedIds.push_back(record.processId);
    EXPECT_EQ(listedIds, std::vector<std::uint32_t>(ids, ids + bytes / sizeof(DWORD)));

    const auto mine = std::find_if(listed.begin(), listed.end(),
                                   [&](const ProcessRecord& r) { return r.processId == child.Id(); });
    ASSERT_NE(mine, listed.end());
    UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, child.Id()));
    std::uint64_t created = 0;
    ASSERT_TRUE(api.GetProcessCreationTime(reinterpret_cast<Handle>(process.Get()), &created));
    EXPECT_EQ(mine->creationTime, created);
    EXPECT_NE(created, 0u);
}
