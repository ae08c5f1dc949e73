#pragma once
#include <string>

namespace trayhush::bench {

// Wine reports no CPU times of other processes, but every Windows process under Wine is a
// Linux process whose /proc entry Wine shows on drive Z:.

// The Linux process id of the running program whose command line holds exePath (UTF-8,
// the full Windows path it was started with), or 0.
unsigned long LinuxProcessIdOf(const std::string& exePath);

// Its user and system CPU time so far, in clock ticks (USER_HZ, 100 a second on Linux
// x86), or -1 when it cannot be read.
long long CpuTicksOf(unsigned long linuxProcessId);

// Its private memory: the anonymous pages it holds in RAM or swap (RssAnon + VmSwap), in
// KiB, or 0. Wine reports no private memory of other processes either.
double AnonymousKiBOf(unsigned long linuxProcessId);

constexpr double kClockTicksPerSecond = 100.0;

}  // namespace trayhush::bench
