// What one scan for a disc's autorun program costs, per process examined, with each
// enumeration. After every handled disc the scans run back to back for a minute, so this
// is the program's load during that minute.
//
// usage: bench_process_scan [extra processes, default 20] [scans per enumeration, default 300]
// The extra processes are sleeping helpers, so that the list is not just Wine's own few.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

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

std::wstring BesideThisProgram(const std::wstring& fileName) {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + fileName;
}

class Sleepers {
public:
    explicit Sleepers(int count) {
        const std::wstring exe = BesideThisProgram(L"th_sleeper.exe");
        for (int i = 0; i < count; ++i) {
            std::wstring line = L"\"" + exe + L"\" 600000";
            STARTUPINFOW startup = {};
            startup.cb = sizeof startup;
            PROCESS_INFORMATION info = {};
            if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                                  nullptr, &startup, &info))
                continue;
            ::CloseHandle(info.hThread);
            processes_.push_back(info.hProcess);
        }
    }
    ~Sleepers() {
        for (HANDLE process : processes_) {
            ::TerminateProcess(process, 99);
            ::CloseHandle(process);
        }
    }
    std::size_t Count() const { return processes_.size(); }

private:
    std::vector<HANDLE> processes_;
};

std::size_t ProcessCount(Win32ProcessApi& api, std::uint32_t platformId) {
    std::vector<ProcessRecord> listed;
    if (platformId == kPlatformNt) return api.ListProcesses(&listed) ? listed.size() : 0;
    std::size_t count = 0;
    const Handle snapshot = api.CreateToolhelp32Snapshot(kTh32csSnapProcess, 0);
    if (snapshot == 0) return 0;
    ProcessEntry entry;
    for (bool more = api.Process32FirstW(snapshot, &entry); more; more = api.Process32NextW(snapshot, &entry))
        ++count;
    api.CloseHandle(snapshot);
    return count;
}

double MedianScanMicroseconds(Win32ProcessApi& api, std::uint32_t platformId, int scans) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    // A name that nothing carries, so that every scan walks the whole list.
    const std::wstring name = L"TH-BENCH-NO-SUCH-PROGRAM.EXE";
    for (int i = 0; i < 5; ++i) FindAutorunProcess(api, platformId, name, L"C:\\");
    std::vector<double> times;
    times.reserve(scans);
    for (int i = 0; i < scans; ++i) {
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        FindAutorunProcess(api, platformId, name, L"C:\\");
        ::QueryPerformanceCounter(&end);
        times.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int extra = argc > 1 ? std::max(0, _wtoi(argv[1])) : 20;
    const int scans = argc > 2 ? std::max(1, _wtoi(argv[2])) : 300;
    Sleepers sleepers(extra);
    ::Sleep(500);  // let them get past start-up, so that every one can be inspected

    std::printf("%zu helper processes started, %d scans per enumeration\n", sleepers.Count(), scans);
    double perProcess[3] = {};
    for (const std::uint32_t platformId : {kPlatformWin9x, kPlatformNt}) {
        Win32ProcessApi api(platformId);
        const std::size_t processes = ProcessCount(api, platformId);
        const double median = MedianScanMicroseconds(api, platformId, scans);
        perProcess[platformId] = processes ? median / static_cast<double>(processes) : 0;
        std::printf("%-12s %4zu processes  median scan %9.1f us  %7.2f us per process\n",
                    platformId == kPlatformWin9x ? "toolhelp" : "process ids", processes, median,
                    perProcess[platformId]);
    }
    if (perProcess[kPlatformNt] > 0)
        std::printf("toolhelp / process ids per process: %.2f\n", perProcess[kPlatformWin9x] / perProcess[kPlatformNt]);
    return 0;
}
