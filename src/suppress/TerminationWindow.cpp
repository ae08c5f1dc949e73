#include "suppress/TerminationWindow.h"

bool TerminationWindowOver(std::uint32_t start, std::uint32_t now) {
    const std::uint32_t elapsed = now - start;
    return elapsed > kTerminationWindowMs;
}
