// The real Trayhush.exe under Wine, measured from outside: start-up against a minimal tray
// program, private memory, detection latency of both methods, how long a disc's autorun
// program lives, and Trayhush's CPU share while it watches. Prints medians; asserts nothing.
// Usage: bench_end_to_end.exe [rounds [--method-two-only | --start-up-only | --lifetime-only]]   (in a Wine session; files beside it)
#include <windows.h>
#include <shellapi.h>
#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <stdexcept>

#include "harness/TrayhushMachine.h"
#include "LinuxProcess.h"
#include "Measurements.h"
#include "Medians.h"
#include "harness/RemoteLibrary.h"
#include "harness/TrayhushWindows.h"
#include "harness/WinePaths.h"

namespace trayhush::bench {
namespace {

constexpr DWORD kBoundMs = 30000;
constexpr DWORD kSettleMs = 2000;  // start-up work done, memory steady
constexpr int kCpuSliceSeconds = 5;
constexpr int kTerminationWindowSeconds = 60;

void Report(const char* what, const std::vector<double>& samples, const char* unit, int decimals = 1) {
    std::printf("%-62s median %.*f %s   (n=%zu: %s)\n", what, decimals, Median(samples), unit, samples.size(),
                Joined(samples, decimals).c_str());
    std::fflush(stdout);
}

bool MinimalIconPresent(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

HWND WindowOf(DWORD processId, const wchar_t* className) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, className, nullptr))) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

void CloseAndWait(const e2e::StartedProcess& process, HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!process.WaitForExit(kBoundMs)) throw std::runtime_error("a program did not close");
}

void ConfirmTrayhushIcon(e2e::TrayhushMachine& session, const e2e::StartedProcess& trayhush) {
    const HWND trayWindow = WindowOf(trayhush.id, L"TrayhushTrayWindow");
    e2e::RemoteLibrary probe(trayhush.id, session.probeDll());
    DWORD iconId = 0;
    if (!probe.Call("ThTrayIconId", reinterpret_cast<UINT_PTR>(trayWindow), kBoundMs, &iconId) ||
        !e2e::TrayIconPresent(trayWindow, iconId))
        throw std::runtime_error("Trayhush's tray icon is not in the notification area");
}

struct StartUp {
    double ms;   // to the tray icon
    double kiB;  // private memory once start-up is over
};

StartUp MeasureMinimal(e2e::TrayhushMachine& session, const std::wstring& exe) {
    std::wstring error;
    const double start = NowMs();
    const e2e::StartedProcess minimal = session.Group().Start(exe, L"", L"", &error);
    HWND window = nullptr;
    const double ms = MsUntil(
        start, [&] { return (window = WindowOf(minimal.id, L"ThMinimalTray")) && MinimalIconPresent(window); },
        kBoundMs);
    Sleep(kSettleMs);
    const double kiB = AnonymousKiBOf(LinuxProcessIdOf(testsupport::toUtf8(exe)));
    CloseAndWait(minimal, window);
    if (ms < 0) throw std::runtime_error("the minimal program showed no tray icon");
    return {ms, kiB};
}

StartUp MeasureTrayhush(e2e::TrayhushMachine& session, bool confirmIcon) {
    std::wstring error;
    const double start = NowMs();
    const e2e::StartedProcess trayhush = session.Group().Start(session.trayhushExe(), L"", L"", &error);
    const double ms = MsUntil(start, [&] { return WindowOf(trayhush.id, L"TrayhushTrayWindow") != nullptr; }, kBoundMs);
    Sleep(kSettleMs);
    const double kiB = AnonymousKiBOf(LinuxProcessIdOf(testsupport::toUtf8(session.trayhushExe())));
    if (confirmIcon) ConfirmTrayhushIcon(session, trayhush);
    CloseAndWait(trayhush, e2e::FindMainWindow(trayhush.id));
    if (ms < 0) throw std::runtime_error("Trayhush showed no tray icon");
    return {ms, kiB};
}

// Start-up to the icon: for the minimal program its icon answers a modification;
// Trayhush's icon identifier is known only inside it, so its time is until the window that
// owns the icon exists (it adds the icon right after creating that window), and the icon is
// then confirmed once.
void StartUpAndMemory(e2e::TrayhushMachine& session, int rounds) {
    std::vector<double> minimalMs, trayhushMs, startRatios;
    std::vector<double> minimalKiB, trayhushKiB, memoryRatios;
    for (int round = 0; round < rounds; ++round) {
        const StartUp minimal = MeasureMinimal(session, e2e::NeededArtifact(L"TH_MINIMAL_TRAY", L"th_minimal_tray.exe"));
        const StartUp trayhush = MeasureTrayhush(session, round == 0);
        minimalMs.push_back(minimal.ms);
        trayhushMs.push_back(trayhush.ms);
        startRatios.push_back(trayhush.ms / minimal.ms);
        minimalKiB.push_back(minimal.kiB);
        trayhushKiB.push_back(trayhush.kiB);
        memoryRatios.push_back(trayhush.kiB / minimal.kiB);
    }
    Report("start-up to tray icon, minimal tray program", minimalMs, "ms");
    Report("start-up to tray icon, Trayhush.exe", trayhushMs, "ms");
    Report("start-up ratio Trayhush / minimal (same round)", startRatios, "x", 2);
    Report("private memory after start-up, minimal tray program", minimalKiB, "KiB", 0);
    Report("private memory after start-up, Trayhush.exe", trayhushKiB, "KiB", 0);
    Report("private memory ratio Trayhush / minimal (same round)", memoryRatios, "x", 2);
}

// Detection method one: the shell's notice, raised inside Trayhush, until Trayhush shows the
// drive. The two drives take turns so that each report changes what it shows.
void DetectionMethodOne(e2e::TrayhushMachine& session, int rounds) {
    std::vector<double> latencies;
    std::wstring error;
    for (int round = 0; round < rounds; ++round) {
        const bool disc = round % 2 == 0;
        const std::wstring root = disc ? session.DiscRoot() : session.LabelRoot();
        const double start = NowMs();
        if (!session.Trayhush().AnnounceMediaInserted(disc ? session.DiscLetter() : session.LabelLetter(), &error))
            throw std::runtime_error("the notice could not be raised");
        latencies.push_back(MsUntil(start, [&] { return session.Trayhush().ReportedRoot() == root; }, kBoundMs));
    }
    Report("detection latency, method one (notice raised to report)", latencies, "ms");
}

// Detection method two: a disc defined through Wine's mount manager, until Trayhush shows it.
void DetectionMethodTwo(e2e::TrayhushMachine& session, int rounds) {
    std::vector<double> latencies;
    for (int round = 0; round < rounds; ++round) {
        const bool disc = round % 2 == 0;
        disc ? session.EjectDisc() : session.EjectLabelDisc();
        // Wine keeps a process's view of its drives for about a second: inserted sooner, the
        // disc folder would still be taken for the ejected drive's root.
        Sleep(1100);
        // From the start of the definition: the report may come before the definition returns.
        const double start = NowMs();
        disc ? session.InsertDisc() : session.InsertLabelDisc();
        const std::wstring root = disc ? session.DiscRoot() : session.LabelRoot();
        latencies.push_back(MsUntil(start, [&] { return session.Trayhush().ReportedRoot() == root; }, kBoundMs));
    }
    Report("detection latency, method two (drive defined to report)", latencies, "ms");
}

// The disc's program started from the drive, as AutoRun would, during a termination window.
void AutorunLifetime(e2e::TrayhushMachine& session, int rounds) {
    std::vector<double> lifetimes, observed;
    std::wstring error;
    for (int round = 0; round < rounds; ++round) {
        const double start = NowMs();
        const e2e::StartedProcess program =
            session.Group().Start(session.DiscRoot() + L"SETUP.EXE", L"", session.DiscRoot(), &error);
        DWORD exitCode = 1;
        if (!program || !program.WaitForExit(kBoundMs, &exitCode))
            throw std::runtime_error("the disc's program was not terminated");
        if (exitCode != 0) throw std::runtime_error("the disc's program ended by itself");
        observed.push_back(NowMs() - start);
        if (const double lifetime = LifetimeMs(program.handle); lifetime >= 0) lifetimes.push_back(lifetime);
        // The program dies at one of the window's 10 ms ticks: a fixed pause would start every
        // round at the same point between ticks, and the median would measure that point.
        // Shifting each start by a different millisecond spreads the rounds over the interval.
        Sleep(100 + (round * 7) % 10);
    }
    Report("disc's autorun program lifetime (its process times)", lifetimes, "ms");
    Report("disc's autorun program, start call to seen dead", observed, "ms");
}

// A program's own share, and the Wine server's: under Wine much of the work of a process
// or volume query is done in the server on the program's behalf.
void CpuShareOf(const std::wstring& exe, const std::string& what, int seconds) {
    const unsigned long program = LinuxProcessIdOf(testsupport::toUtf8(exe));
    const unsigned long server = LinuxProcessIdOf("wineserver");
    const std::vector<std::vector<double>> shares =
        program && server ? CpuShares({program, server}, seconds / kCpuSliceSeconds, kCpuSliceSeconds)
                          : std::vector<std::vector<double>>{};
    if (shares.empty()) throw std::runtime_error("CPU times cannot be read from /proc");
    const std::string name = testsupport::toUtf8(exe.substr(exe.find_last_of(L'\\') + 1));
    Report(("CPU share " + what + ", " + name).c_str(), shares[0], "% of a core", 2);
    Report(("CPU share " + what + ", wineserver").c_str(), shares[1], "% of a core", 2);
}

void CpuShare(e2e::TrayhushMachine& session, const std::string& what, int seconds) {
    CpuShareOf(session.trayhushExe(), what, seconds);
}

// The termination window's share as the process table grows: sleepers are started until
// about 30, 100 and 300 processes run, and each count gets a fresh window. A count that
// Wine cannot reach is measured where it stopped, and said so.
void WindowByProcessCount(e2e::TrayhushMachine& session) {
    std::wstring error;
    for (const std::size_t target : {30u, 100u, 300u}) {
        const std::size_t reached = session.Group().FillProcessTable(session.sleeper, L"600000", target, &error);
        if (reached < target)
            std::printf("could start processes only up to %zu of %zu: %s\n", reached, target,
                        testsupport::toUtf8(error).c_str());
        Sleep(2000);
        session.Trayhush().AnnounceMediaInserted(session.DiscLetter(), &error);
        session.Trayhush().UnloadProbe();
        CpuShare(session, "in the window, " + std::to_string(e2e::RunningProcessCount()) + " processes",
                 2 * kCpuSliceSeconds);
    }
}

// What a timer of the window's interval costs when its ticks do nothing.
void TickFloor(e2e::TrayhushMachine& session) {
    std::wstring error;
    const std::wstring exe = e2e::NeededArtifact(L"TH_MINIMAL_TRAY", L"th_minimal_tray.exe");
    const e2e::StartedProcess ticking = session.Group().Start(exe, L"--tick", L"", &error);
    if (!ticking) throw std::runtime_error("cannot start the minimal program with a timer");
    Sleep(1000);
    CpuShareOf(exe, "of a 1 ms timer that does nothing (the window's floor)", 6 * kCpuSliceSeconds);
    TerminateProcess(ticking.handle, 0);
}

// What the volume queries alone cost on the same two drives at the same rate.
void PollingFloor(e2e::TrayhushMachine& session) {
    std::wstring error;
    const std::wstring floorExe = e2e::NeededArtifact(L"TH_VOLUME_FLOOR", L"bench_volume_floor.exe");
    const std::wstring letters = {session.DiscLetter(), session.LabelLetter()};
    const e2e::StartedProcess floor = session.Group().Start(floorExe, letters, L"", &error);
    if (!floor) throw std::runtime_error("cannot start the volume-query floor");
    Sleep(1000);
    CpuShareOf(floorExe, "of the bare volume queries (polling's floor)", 6 * kCpuSliceSeconds);
    TerminateProcess(floor.handle, 0);
}

// A termination window for the disc, which Trayhush sees start.
void OpenTerminationWindow(e2e::TrayhushMachine& session) {
    std::wstring error;
    if (!session.Trayhush().AnnounceMediaInserted(session.DiscLetter(), &error) ||
        !session.Trayhush().WaitForReportedRoot(session.DiscRoot(), kBoundMs))
        throw std::runtime_error("the disc was not reported");
}

void MeasureMethodOne(e2e::TrayhushMachine& session, int rounds);

void Run(int rounds, const std::wstring& only) {
    e2e::TrayhushMachine session;
    if (only == L"--start-up-only") return StartUpAndMemory(session, rounds);
    if (only == L"--lifetime-only") {
        session.InsertDisc();
        session.StartTrayhush(false);
        OpenTerminationWindow(session);
        return AutorunLifetime(session, rounds);
    }
    if (only != L"--method-two-only") MeasureMethodOne(session, rounds);
    session.StartTrayhush(true);
    session.Trayhush().UnloadProbe();
    CpuShare(session, "idle, detection method two", 6 * kCpuSliceSeconds);
    DetectionMethodTwo(session, rounds);
    session.CloseTrayhush();
    PollingFloor(session);
}

void MeasureMethodOne(e2e::TrayhushMachine& session, int rounds) {
    StartUpAndMemory(session, rounds);

    session.InsertDisc();
    session.StartTrayhush(false);
    DetectionMethodOne(session, rounds);
    OpenTerminationWindow(session);
    AutorunLifetime(session, rounds);
    // A fresh window, measured while it runs, then the quiet after it.
    std::wstring error;
    session.Trayhush().AnnounceMediaInserted(session.LabelLetter(), &error);
    session.Trayhush().AnnounceMediaInserted(session.DiscLetter(), &error);
    session.Trayhush().UnloadProbe();
    const double windowStart = NowMs();
    CpuShare(session, "in the 60 s termination window", kTerminationWindowSeconds - 2 * kCpuSliceSeconds);
    Sleep(static_cast<DWORD>(kTerminationWindowSeconds * 1000 + 2000 - (NowMs() - windowStart)));
    CpuShare(session, "idle, detection method one", 6 * kCpuSliceSeconds);
    TickFloor(session);
    WindowByProcessCount(session);
    session.CloseTrayhush();
}

}  // namespace
}  // namespace trayhush::bench

int wmain(int argc, wchar_t** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 15;
    try {
        trayhush::bench::Run(rounds, argc > 2 ? argv[2] : L"");
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bench_end_to_end: %s\n", failure.what());
        return 1;
    }
    return 0;
}
