// What one volume-polling pass costs: six volume queries, made on every tick of Timer7
// while detection method two is on, so this is the program's idle load with that method.
//
// usage: bench_polling [passes per case, default 500]
// Run under Wine: the CD-ROM drives are defined through its mount manager.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "detect/VolumePoller.h"
#include "harness/TempFolder.h"
#include "harness/WineDrive.h"
#include "runtime/ErrorMode.h"
#include "platform/win32/Win32FileSystemApi.h"

namespace {

using trayhush::testsupport::WineCdDrive;

constexpr int kDrives = 6;

struct Timing {
    double median = 0;
    double p90 = 0;
};

// A pass as Timer7's tick makes it, over the drive list's entries.
Timing TimePasses(VolumePoller& poller, const std::vector<std::wstring>& entries, int passes) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    const auto report = [](const std::wstring&) {};
    poller.SnapshotDriveLabels(entries);  // nothing changes from here on: each pass is six queries
    for (int i = 0; i < 10; ++i) poller.PollDrives(entries, report);
    std::vector<double> times;
    times.reserve(passes);
    for (int i = 0; i < passes; ++i) {
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        poller.PollDrives(entries, report);
        ::QueryPerformanceCounter(&end);
        times.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[times.size() * 9 / 10]};
}

class Bench {
public:
    explicit Bench(int passes) : passes_(passes) {}

    void Run(const char* what, const std::vector<std::wstring>& entries) {
        VolumePoller poller(files_);
        const Timing t = TimePasses(poller, entries, passes_);
        if (baseline_ == 0) baseline_ = t.median;
        // SetTimer raises a 1 ms interval to its 10 ms floor: at most 100 passes a second.
        std::printf("%-34s median %8.1f us  p90 %8.1f us  per query %7.1f us  x%5.2f  %5.2f %% of a core at 100/s\n",
                    what, t.median, t.p90, t.median / kDrives, t.median / baseline_, t.median / 100.0);
    }

private:
    Win32FileSystemApi files_;
    int passes_;
    double baseline_ = 0;
};

std::vector<std::wstring> Entries(const std::vector<wchar_t>& letters) {
    std::vector<std::wstring> entries;
    for (wchar_t letter : letters) entries.push_back(std::wstring(1, letter) + L":");
    return entries;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int passes = argc > 1 ? std::max(1, _wtoi(argv[1])) : 500;
    SuppressCriticalErrorDialogs();
    std::vector<wchar_t> letters;
    try {
        while (static_cast<int>(letters.size()) < kDrives)
            letters.push_back(trayhush::testsupport::FreeDriveLetterBelow(letters.empty() ? L'Z' : letters.back()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "need %d free drive letters: %s\n", kDrives, e.what());
        return 1;
    }
    std::printf("%d passes per case, %d volume queries per pass\n", passes, kDrives);
    Bench bench(passes);
    try {
        bench.Run("no such drives", Entries(letters));
        bench.Run("one drive and five empty entries", {std::wstring(1, letters[0]) + L":"});
        // The folders outlive the drives that present them.
        std::vector<std::unique_ptr<TempFolder>> discs;
        std::vector<std::unique_ptr<WineCdDrive>> drives;
        for (wchar_t letter : letters)
            drives.push_back(std::make_unique<WineCdDrive>(letter, L"", L"", WineCdDrive::Announce::No));
        bench.Run("six CD-ROM drives, no disc", Entries(letters));

        for (std::size_t i = 0; i < drives.size(); ++i) {
            discs.push_back(std::make_unique<TempFolder>(L"th-bench-disc-"));
            drives[i]->insert(trayhush::testsupport::windowsToUnixPath(discs.back()->Path()), L"MOVIE");
        }
        bench.Run("six CD-ROM drives, labelled discs", Entries(letters));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
