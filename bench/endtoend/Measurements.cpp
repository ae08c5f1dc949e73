#include "Measurements.h"

#include "LinuxProcess.h"

namespace trayhush::bench {

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

double MsUntil(double start, const std::function<bool()>& condition, DWORD timeoutMs) {
    for (;;) {
        if (condition()) return NowMs() - start;
        if (NowMs() - start > timeoutMs) return -1;
        Sleep(1);
    }
}

double LifetimeMs(HANDLE process) {
    FILETIME creation{}, exit{}, kernel{}, user{};
    if (!GetProcessTimes(process, &creation, &exit, &kernel, &user)) return -1;
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    // A program ended while it was still starting has no lifetime of its own to tell.
    if (ticks(exit) == 0 || ticks(creation) == 0 || ticks(exit) < ticks(creation)) return -1;
    return static_cast<double>(ticks(exit) - ticks(creation)) / 10000.0;  // 100 ns units
}

std::vector<std::vector<double>> CpuShares(const std::vector<unsigned long>& linuxProcessIds, int count,
                                           int seconds) {
    std::vector<std::vector<double>> shares(linuxProcessIds.size());
    for (int slice = 0; slice < count; ++slice) {
        std::vector<long long> before;
        for (unsigned long id : linuxProcessIds) before.push_back(CpuTicksOf(id));
        const double startedAt = NowMs();
        Sleep(static_cast<DWORD>(seconds) * 1000);
        const double elapsedSeconds = (NowMs() - startedAt) / 1000.0;
        for (std::size_t i = 0; i < linuxProcessIds.size(); ++i) {
            const long long after = CpuTicksOf(linuxProcessIds[i]);
            if (before[i] < 0 || after < 0) return {};
            shares[i].push_back(100.0 * static_cast<double>(after - before[i]) / kClockTicksPerSecond /
                                elapsedSeconds);
        }
    }
    return shares;
}

}  // namespace trayhush::bench
