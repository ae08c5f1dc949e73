#pragma once
#include <cstdint>

constexpr std::uint32_t kTerminationWindowMs = 60000;

// Whether the polling window that began at tick count start is over at tick count now:
// more than 60 s have passed. The tick count wraps after 49.7 days, so the difference is
// taken modulo 2^32.
bool TerminationWindowOver(std::uint32_t start, std::uint32_t now);
