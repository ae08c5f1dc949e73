// What one scan for a disc's autorun program costs, and how it grows with the process
// table: after every handled disc the scans run a hundred times a second for a minute, so
// this is the program's load during that minute. The scan as the program makes it (one
// listing call, a path read once per process) is set beside the scan it replaced (the
// id list grown from 16 bytes by doubling, then every process opened at every scan). A tick
// that finds the table unchanged costs only the fingerprint, measured here too.
//
// usage: bench_process_scan [scans per measurement, default 200]
// Sleeping helpers are started until about 30, 100 and 300 processes run.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "harness/ProcessGroup.h"
#include "harness/TrayhushMachine.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32ProcessApi.h"
#include "platform/win32/Win32TextApi.h"
#include "suppress/ProcessScan.h"

namespace {

// A name that nothing carries, so that every scan walks the whole list.
const wchar_t kNoSuchProgram[] = L"TH-BENCH-NO-SUCH-PROGRAM.EXE";

// The scan before this one, as it was: ids in a buffer that starts at 16 bytes and
// doubles until a call leaves part of it unused, then every process opened and dated.
void ScanAsBefore(ProcessPathCache& cache) {
    std::vector<DWORD> ids;
    DWORD size = 8, returned = 96;
    while (size <= returned) {
        size *= 2;
        ids.assign(size / sizeof(DWORD), 0);
        if (!::EnumProcesses(ids.data(), size, &returned)) return;
    }
    for (std::size_t i = 0; i < returned / sizeof(DWORD); ++i) {
        UniqueHandle process(::OpenProcess(kProcessQueryAndRead, FALSE, ids[i]));
        FILETIME created, exited, kernel, user;
        if (!process || !::GetProcessTimes(process.Get(), &created, &exited, &kernel, &user)) continue;
        const std::uint64_t when = (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
        if (cache.Find(ids[i], when)) continue;
        wchar_t path[MAX_PATH];
        HMODULE module;
        DWORD needed;
        if (::EnumProcessModules(process.Get(), &module, sizeof module, &needed) &&
            ::GetModuleFileNameExW(process.Get(), module, path, MAX_PATH))
            cache.Remember(ids[i], when, path);
    }
}

double MedianMicroseconds(const std::function<void()>& scan, int scans) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < 5; ++i) scan();  // the paths are read; from here on, the window's steady state
    std::vector<double> times;
    for (int i = 0; i < scans; ++i) {
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        scan();
        ::QueryPerformanceCounter(&end);
        times.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int scans = argc > 1 ? std::max(1, _wtoi(argv[1])) : 200;
    trayhush::e2e::ProcessGroup sleepers;
    const std::wstring sleeper = trayhush::e2e::NeededArtifact(L"TH_SLEEPER", L"th_sleeper.exe");
    Win32ProcessApi api(kPlatformNt);
    Win32TextApi text;
    for (const std::size_t target : {30u, 100u, 300u}) {
        std::wstring error;
        const std::size_t reached = sleepers.FillProcessTable(sleeper, L"600000", target, &error);
        if (reached < target) std::printf("could start processes only up to %zu of %zu\n", reached, target);
        ::Sleep(1000);  // past their start-up, so that every one can be inspected
        ProcessPathCache now, before;
        std::vector<ProcessRecord> listed;
        // Under Wine the listing call itself reads /proc for every process: the floor.
        const double floor = MedianMicroseconds([&] { api.ListProcesses(&listed); }, scans);
        const double scan = MedianMicroseconds(
            [&] { TerminateAutorunProcessScan(api, text, kPlatformNt, {kNoSuchProgram, L"C:\\"}, &now, [](std::uint32_t) {}); },
            scans);
        const double old = MedianMicroseconds([&] { ScanAsBefore(before); }, scans);
        std::uint64_t fingerprint = 0;
        const double counted = MedianMicroseconds([&] { api.ProcessTableFingerprint(&fingerprint); }, scans);
        // The timer ticks a hundred times a second (1 ms asked for, 10 ms given), so a scan
        // of n us costs n / 100 % of a core.
        std::printf("%4zu processes: scan %8.1f us = %6.2f %% of a core; before %8.1f us = %6.2f %% (%4.1f x); "
                    "listing call alone %8.1f us (scan / listing %.2f); fingerprint %6.1f us (listing / fingerprint %.0f)\n",
                    trayhush::e2e::RunningProcessCount(), scan, scan / 100, old, old / 100, old / scan, floor, scan / floor, counted,
                    floor / counted);
        std::fflush(stdout);
    }
    return 0;
}
