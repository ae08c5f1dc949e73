#pragma once
#include <windows.h>

#include <functional>
#include <vector>

namespace trayhush::bench {

// Milliseconds on the performance counter.
double NowMs();

// Milliseconds from start until condition() holds, polled about every millisecond;
// negative when it did not hold within timeoutMs.
double MsUntil(double start, const std::function<bool()>& condition, DWORD timeoutMs);

// How long an ended program lived, from its own creation and exit times; negative when
// the times are not there.
double LifetimeMs(HANDLE process);

// Percent of one core that each Linux process used in each of count slices of seconds:
// one list of shares per process; empty when a process's times cannot be read.
std::vector<std::vector<double>> CpuShares(const std::vector<unsigned long>& linuxProcessIds, int count,
                                           int seconds);

}  // namespace trayhush::bench
