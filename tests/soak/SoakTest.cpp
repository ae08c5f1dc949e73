// The program over a long run: a disc reported a thousand times and ten thousand scans
// for its autorun program, in one process. What the process holds afterwards must be what
// it held before.
//
// This process is the program: it runs the same Win32App that wWinMain runs, with the real
// Win32 layer, a CD-ROM drive defined through Wine's mount manager and a DVD-Video disc
// with an AUTORUN.INF in it. The reports are the shell's media notification, raised here
// since Wine delivers those only inside the raising process; the scans are Timer1's
// WM_TIMER sent to the main window. Both go through the real window procedure. Sent on this
// thread, nothing else runs between them: no real timer tick adds scans that nobody counts.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "e2e/support/ArtifactPaths.h"
#include "e2e/support/DiscFolder.h"
#include "harness/RegistryState.h"
#include "platform/win32/Win32App.h"
#include "soak/ProcessResources.h"
#include "win32/ChildProcess.h"
#include "harness/WineDrive.h"

namespace {

constexpr int kReports = 1000;
constexpr int kScansPerReport = 10;
// Long enough for every cache and lazily made object of the path to exist before the
// first measurement.
constexpr int kWarmUpReports = 30;
// A few times over the run the disc's program is started and must die by a scan, which
// proves that the scans run against the disc's name and exercises the termination too.
constexpr int kReportsPerKill = 250;
constexpr DWORD kKillTimeoutMs = 10000;

// What one leaked object per report or per scan would far exceed, above what the system's
// own lazily made objects may add: a handle or window per report shows as 1000, per scan as
// 10000; 1 MiB of private memory is a leak of 105 bytes per scan or 1 KiB per report, far
// above the page-sized steps of the heap.
constexpr long kHandleMargin = 8;
constexpr long kGuiObjectMargin = 4;
constexpr long kWindowMargin = 0;
constexpr long long kPrivateGrowthMargin = 1024 * 1024;

// The main window's timer id for Timer1, the termination window's scan.
constexpr WPARAM kTimer1Id = 1;

// Everything but WM_TIMER, which would bring in real ticks of Timer1 and uncounted scans.
void RunPendingMessagesButTimers() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
           PeekMessageW(&message, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

wchar_t FreeDriveLetter() {
    const DWORD used = GetLogicalDrives();
    for (wchar_t letter = L'Y'; letter >= L'K'; --letter)
        if (!(used & (1u << (letter - L'A')))) return letter;
    return 0;
}

// Prints one figure and fails when it moved further than allowed, either way.
void ExpectSteady(const char* what, long long before, long long after, long long fewer, long long more) {
    std::printf("soak: %-15s %10lld %10lld %+10lld   -%lld..+%lld\n", what, before, after, after - before,
                fewer, more);
    EXPECT_GE(after, before - fewer) << what << " fell from " << before << " to " << after;
    EXPECT_LE(after, before + more) << what << " grew from " << before << " to " << after;
}

class Soak : public ::testing::Test {
protected:
    void SetUp() override { trayhush::e2e::ForgetEverything(); }
    void TearDown() override { trayhush::e2e::ForgetEverything(); }

    void Report() {
        SHChangeNotify(SHCNE_MEDIAINSERTED, SHCNF_PATHW | SHCNF_FLUSH, root_.c_str(), nullptr);
        ++reports_;
    }
    void Scan() {
        SendMessageW(window_, WM_TIMER, kTimer1Id, 0);
        ++scans_;
    }
    void Round() {
        Report();
        for (int i = 0; i < kScansPerReport; ++i) Scan();
        RunPendingMessagesButTimers();
    }

    // The disc's program, started from the drive, dies of a scan. Its handles go with it, so
    // that this process holds nothing more for it afterwards.
    void ExpectTheDiscProgramKilled() {
        ChildProcess program(L"\"" + root_ + L"SETUP.EXE\"");
        ASSERT_TRUE(program.Started()) << "cannot start " << trayhush::testsupport::toUtf8(root_) << "SETUP.EXE";
        const ULONGLONG end = GetTickCount64() + kKillTimeoutMs;
        while (program.Running() && GetTickCount64() < end) {
            Scan();
            ++extraScans_;
        }
        DWORD exitCode = 99;
        ASSERT_TRUE(program.WaitForExit(0, &exitCode)) << "no scan ended the disc's program";
        EXPECT_EQ(exitCode, 0u) << "it ended, but not by the program's termination";
    }

    std::wstring root_;
    HWND window_ = nullptr;
    long reports_ = 0;
    long scans_ = 0;
    long extraScans_ = 0;
};

TEST_F(Soak, AThousandReportsAndTenThousandScansLeaveNothingBehind) {
    const std::wstring sleeper = trayhush::e2e::ArtifactPath(L"TH_SLEEPER", L"th_sleeper.exe");
    ASSERT_FALSE(sleeper.empty()) << "th_sleeper.exe not found (TH_SLEEPER, or beside th_soak.exe)";
    trayhush::e2e::DiscContents contents;
    contents.programSource = sleeper;
    const trayhush::e2e::DiscFolder disc(contents);
    ASSERT_TRUE(disc.Error().empty()) << trayhush::testsupport::toUtf8(disc.Error());
    const wchar_t letter = FreeDriveLetter();
    ASSERT_NE(letter, 0) << "no free drive letter";
    std::unique_ptr<trayhush::testsupport::WineCdDrive> drive;
    try {
        // Defined before the program starts, so that its drive list holds it.
        drive = std::make_unique<trayhush::testsupport::WineCdDrive>(
            letter, disc.UnixPath(), L"SOAK", trayhush::testsupport::WineCdDrive::Announce::No);
    } catch (const std::exception& failure) {
        FAIL() << "cannot define the CD-ROM drive: " << failure.what();
    }
    root_ = drive->root();

    const ULONGLONG started = GetTickCount64();
    Win32App app(GetModuleHandleW(nullptr));
    ASSERT_TRUE(app.Start()) << "the program did not start (another instance running?)";
    window_ = app.MainWindowHandle();
    ASSERT_NE(window_, nullptr);
    RunPendingMessagesButTimers();

    for (int i = 0; i < kWarmUpReports; ++i) Round();
    ASSERT_NO_FATAL_FAILURE(ExpectTheDiscProgramKilled());
    RunPendingMessagesButTimers();
    const ProcessResources before = MeasureThisProcess();
    reports_ = scans_ = extraScans_ = 0;

    for (int i = 1; i <= kReports; ++i) {
        Round();
        if (i % kReportsPerKill == 0) {
            ASSERT_NO_FATAL_FAILURE(ExpectTheDiscProgramKilled());
        }
    }
    RunPendingMessagesButTimers();
    const ProcessResources after = MeasureThisProcess();

    std::printf("soak: %ld insertion reports, %ld process scans (%ld of them while the disc's program "
                "started), %.1f s in all\n",
                reports_, scans_, extraScans_, (GetTickCount64() - started) / 1000.0);
    std::printf("soak: %-15s %10s %10s %10s   %s\n", "", "before", "after", "change", "allowed");
    ASSERT_GT(before.handles, 0u) << "no handle found: the handle count would prove nothing";
    ASSERT_GT(before.privateBytes, 0u) << "no private memory figure: the memory check would prove nothing";
    ExpectSteady("handles", before.handles, after.handles, kHandleMargin, kHandleMargin);
    if (before.guiCounted && after.guiCounted) {
        ExpectSteady("GDI objects", before.gdiObjects, after.gdiObjects, kGuiObjectMargin, kGuiObjectMargin);
        ExpectSteady("USER objects", before.userObjects, after.userObjects, kGuiObjectMargin, kGuiObjectMargin);
    } else {
        std::printf("soak: %-15s not counted: GetGuiResources answers 0 with ERROR_CALL_NOT_IMPLEMENTED "
                    "(a stub under Wine)\n", "GDI/USER");
    }
    ExpectSteady("windows", before.windows, after.windows, kWindowMargin, kWindowMargin);
    // Memory given back is no fault: only growth counts.
    ExpectSteady("private KiB", before.privateBytes / 1024, after.privateBytes / 1024,
                 before.privateBytes / 1024, kPrivateGrowthMargin / 1024);
    std::fflush(stdout);

    // The program's own exit, as a user's close: the icon goes and Shift is let go.
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

}  // namespace
