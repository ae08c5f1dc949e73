// The program over a long run: a disc reported a thousand times and ten thousand scans for
// its autorun program, in one process. Prints what the process holds before and after
// (handles, windows, private memory); asserts nothing.
//
// This process is the program: it runs the same Win32App that wWinMain runs, with the real
// Win32 layer, a CD-ROM drive defined through Wine's mount manager and a DVD-Video disc
// with an AUTORUN.INF in it. The reports are the shell's media notification, raised here
// since Wine delivers those only inside the raising process, through the real window
// procedure; the scans are Timer1's ticks, made on this thread with the real timer stopped,
// so that no real tick adds scans that nobody counts.
// Usage: bench_soak.exe   (in a Wine session; th_sleeper.exe beside it or in TH_SLEEPER)
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "harness/DiscFolder.h"
#include "harness/ProcessGroup.h"
#include "harness/ProcessResources.h"
#include "harness/RegistryState.h"
#include "harness/TrayhushMachine.h"
#include "harness/WineDrive.h"
#include "program/Win32App.h"

namespace {

using namespace trayhush;

constexpr int kReports = 1000;
constexpr int kScansPerReport = 10;
// Long enough for every cache and lazily made object of the path to exist before the
// first measurement.
constexpr int kWarmUpReports = 30;
// A few times over the run the disc's program is started and must die by a scan, which
// proves that the scans run against the disc's name and exercises the termination too.
constexpr int kReportsPerKill = 250;
constexpr DWORD kKillTimeoutMs = 10000;
// Everything but WM_TIMER: only the steps that the soak makes and counts run.
void RunPendingMessagesButTimers() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
           PeekMessageW(&message, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Print(const char* what, long long before, long long after) {
    std::printf("soak: %-15s %10lld %10lld %+10lld\n", what, before, after, after - before);
}

class Soak {
public:
    Soak(Form1& form, std::wstring root) : form_(form), root_(std::move(root)) {}

    void Round() {
        SHChangeNotify(SHCNE_MEDIAINSERTED, SHCNF_PATHW | SHCNF_FLUSH, root_.c_str(), nullptr);
        ++reports;
        for (int i = 0; i < kScansPerReport; ++i) Scan();
        RunPendingMessagesButTimers();
    }

    // The disc's program, started from the drive, dies of a scan with exit code 0.
    void KillTheDiscProgram() {
        e2e::ProcessGroup group;
        std::wstring error;
        const e2e::StartedProcess program = group.Start(root_ + L"SETUP.EXE", L"", root_, &error);
        if (!program) throw std::runtime_error("cannot start the disc's program");
        const ULONGLONG end = GetTickCount64() + kKillTimeoutMs;
        while (program.Running() && GetTickCount64() < end) {
            Scan();
            ++scansWhileStarting;
        }
        DWORD exitCode = 99;
        if (!program.WaitForExit(0, &exitCode) || exitCode != 0)
            throw std::runtime_error("no scan ended the disc's program");
    }

    long reports = 0;
    long scans = 0;
    long scansWhileStarting = 0;

private:
    // A report starts Timer1 anew; its ticks run on a thread of their own.
    void Scan() {
        form_.Timer1.SetEnabled(false);
        form_.Timer1_Timer();
        ++scans;
    }

    Form1& form_;
    std::wstring root_;
};

void Run() {
    e2e::DiscContents contents;
    contents.programSource = e2e::NeededArtifact(L"TH_SLEEPER", L"th_sleeper.exe");
    const e2e::DiscFolder disc(contents);
    if (!disc.Error().empty()) throw std::runtime_error(testsupport::toUtf8(disc.Error()));
    e2e::ForgetEverything();
    // Defined before the program starts, so that its drive list holds it.
    testsupport::WineCdDrive drive(testsupport::FreeDriveLetterBelow(L'Z'), disc.UnixPath(), L"SOAK",
                                   testsupport::WineCdDrive::Announce::No);

    const ULONGLONG started = GetTickCount64();
    Win32App app(GetModuleHandleW(nullptr));
    if (!app.Start()) throw std::runtime_error("the program did not start (another instance running?)");
    Soak soak(app.Form(), drive.root());
    RunPendingMessagesButTimers();
    for (int i = 0; i < kWarmUpReports; ++i) soak.Round();
    soak.KillTheDiscProgram();
    RunPendingMessagesButTimers();
    const ProcessResources before = MeasureThisProcess();
    soak.reports = soak.scans = soak.scansWhileStarting = 0;

    for (int i = 1; i <= kReports; ++i) {
        soak.Round();
        if (i % kReportsPerKill == 0) soak.KillTheDiscProgram();
    }
    RunPendingMessagesButTimers();
    const ProcessResources after = MeasureThisProcess();

    std::printf("soak: %ld insertion reports, %ld process scans (%ld of them while the disc's program "
                "started), %.1f s in all\n",
                soak.reports, soak.scans, soak.scansWhileStarting, (GetTickCount64() - started) / 1000.0);
    std::printf("soak: %-15s %10s %10s %10s\n", "", "before", "after", "change");
    Print("handles", before.handles, after.handles);
    if (before.guiCounted && after.guiCounted) {
        Print("GDI objects", before.gdiObjects, after.gdiObjects);
        Print("USER objects", before.userObjects, after.userObjects);
    } else {
        std::printf("soak: %-15s not counted (GetGuiResources is a stub under Wine)\n", "GDI/USER");
    }
    Print("windows", before.windows, after.windows);
    Print("private KiB", before.privateBytes / 1024, after.privateBytes / 1024);
    Print("heap blocks", before.heapBlocks, after.heapBlocks);
    std::fflush(stdout);
    // The program's own exit, as a user's close: the icon goes and Shift is let go.
    SendMessageW(app.MainWindowHandle(), WM_CLOSE, 0, 0);
    e2e::ForgetEverything();
}

}  // namespace

int wmain() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    try {
        Run();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bench_soak: %s\n", failure.what());
        trayhush::e2e::ForgetEverything();
        return 1;
    }
    return 0;
}
