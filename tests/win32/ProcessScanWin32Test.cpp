// The disc's program found among the real processes and ended with exit code 0, and the
// handles and memory that reading discs and finding and ending programs take all given back.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>

#include "ChildProcess.h"
#include "DiscOnCdDrive.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32TextApi.h"

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

// The commit charge, which Wine keeps for this process where PrivateUsage stays 0.
SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// A DVD-Video disc whose autorun.inf starts SETUP.EXE, and a program of the same name on
// the system drive that must be left alone. Parameter: the platform id, which picks the
// enumeration (Toolhelp or process ids).
class ProcessScanWin32 : public ::testing::TestWithParam<std::uint32_t> {
protected:
    void SetUp() override {
        ASSERT_TRUE(cd.Burn("[autorun]\r\nopen=SETUP.EXE\r\n"));
        ASSERT_TRUE(::CopyFileW(HelperProgram(L"th_sleeper.exe").c_str(), (tools.Path() + L"\\SETUP.EXE").c_str(), FALSE));
    }

    DiscOnCdDrive cd{GetParam()};
    TempFolder tools{L"th-tools-"};
};

}  // namespace

// The program lies as deep on the disc as a path within MAX_PATH allows.
TEST_P(ProcessScanWin32, TheDiscProgramDiesWithExitCodeZeroAndItsNamesakeLives) {
    std::wstring folder;
    while (cd.Root().size() + folder.size() + 41 + 10 < MAX_PATH) folder += std::wstring(40, L'd') + L"\\";
    ASSERT_TRUE(cd.disc.Write(folder + L"keep", ""));
    ASSERT_TRUE(::CopyFileW(HelperProgram(L"th_sleeper.exe").c_str(), (cd.disc.Path() + L"\\" + folder + L"SETUP.EXE").c_str(), FALSE));
    ChildProcess namesake(Quoted(tools.Path() + L"\\SETUP.EXE"));
    ChildProcess fromDisc(Quoted(cd.Root() + folder + L"SETUP.EXE"));
    ASSERT_TRUE(namesake.Started());
    ASSERT_TRUE(fromDisc.Started()) << "cannot start a program from the CD-ROM drive";

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
}

// A handle or a search left open per arrival or per scan would show hundreds of times over.
TEST_P(ProcessScanWin32, ArrivalsAndScansLeaveNoHandleOrMemoryBehind) {
    // The namesake matches by name and fails only the drive test: every scan inspects it.
    ChildProcess namesake(Quoted(tools.Path() + L"\\SETUP.EXE"));
    ASSERT_TRUE(namesake.Started());
    ::Sleep(200);
    for (int arrival = 0; arrival < 20; ++arrival) cd.form.ReportArrival(cd.Root());  // caches and heap warm
    const SIZE_T memoryBefore = PrivateBytes();
    const int before = OpenHandleCount();
    {
        const HANDLE probe = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        ASSERT_EQ(OpenHandleCount(), before + 1) << "the count cannot see a new handle";
        ::CloseHandle(probe);
    }
    for (int arrival = 0; arrival < 1000; ++arrival) {
        cd.form.ReportArrival(cd.Root());
        for (int scan = 0; scan < 5 && arrival % 25 == 0; ++scan) cd.form.Timer1.Fire();
    }
    EXPECT_EQ(OpenHandleCount(), before);
    // A search left open costs Wine about 860 bytes: 2,000 of them would show as 1.7 MB.
    EXPECT_LT(PrivateBytes(), memoryBefore + 512 * 1024) << "from " << memoryBefore / 1024 << " KiB";
    EXPECT_TRUE(namesake.Running());
    EXPECT_FALSE(cd.processes.CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0xFFFFFFF0u))
        << "a failed snapshot must read as no handle";
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
    const std::wstring path = HelperProgram(L"th_sleeper.exe");
    Win32ProcessApi api;
    std::uint64_t before = 0, after = 0;
    ASSERT_TRUE(api.ProcessTableFingerprint(&before));
    ChildProcess suspended(Quoted(path), CREATE_SUSPENDED);
    ASSERT_TRUE(api.ProcessTableFingerprint(&after));
    EXPECT_NE(after, before);
    std::vector<ProcessRecord> listed;
    ASSERT_TRUE(api.ListProcesses(&listed));
    DWORD ids[4096], bytes = 0;
    ASSERT_TRUE(::EnumProcesses(ids, sizeof ids, &bytes));
    std::vector<std::uint32_t> listedIds;
    for (const ProcessRecord& record : listed) listedIds.push_back(record.processId);
    EXPECT_EQ(listedIds, std::vector<std::uint32_t>(ids, ids + bytes / sizeof(DWORD)));
    const auto mine = std::find_if(listed.begin(), listed.end(), [&](const ProcessRecord& r) { return r.processId == suspended.Id(); });
    ASSERT_NE(mine, listed.end());

    UniqueHandle look(::OpenProcess(kProcessQueryAndRead, FALSE, suspended.Id()));
    const KernelHandle process(reinterpret_cast<std::uintptr_t>(look.Get()));
    std::uint64_t created = 0;
    Module module = 0;
    std::uint32_t needed = 0;
    ASSERT_TRUE(api.GetProcessCreationTime(process, &created));
    EXPECT_EQ(mine->creationTime, created);
    ASSERT_FALSE(api.EnumProcessModuleHandles(process, &module, sizeof module, &needed))
        << "Wine now lists a suspended process's modules: this test no longer shows the fallback";
    DiscOnCdDrive cd;  // a window that ends programs through the real calls
    cd.form.m_termination.m_sTerminateDrive = path.substr(0, 3);
    cd.form.m_termination.TerminateAutorunProcess(L"TH_SLEEPER.EXE");
    DWORD exitCode = 99;
    ASSERT_TRUE(suspended.WaitForExit(10000, &exitCode)) << "not found by its image's path";
    EXPECT_EQ(exitCode, 0u);
}

// The prefix's ANSI code page is 1252, as on a Western European Windows.
TEST(TextWin32, AnsiBytesAndLetterCaseAreTheSystemsOwn) {
    Win32TextApi text;
    EXPECT_EQ(text.AnsiToWide({'d', 0xE9, 0x8A, 0x80}), L"d\u00E9\u0160\u20AC");
    EXPECT_EQ(text.AnsiToWide({}), L"");
    EXPECT_EQ(text.ToUpper(L"d\u00E9marrer \u0161oft \u00FF.exe"), L"D\u00C9MARRER \u0160OFT \u0178.EXE");
    EXPECT_EQ(text.ToUpper(L""), L"");
}
