#include "suppress/ProcessTableWatch.h"

namespace {
constexpr int kTicksPerListing = 100;
}

bool ProcessTableWatch::MustList(ProcessApi& api, const AutorunTarget& target) {
    std::uint64_t fingerprint = 0;
    const bool known = api.ProcessTableFingerprint(&fingerprint);
    if (known && settled_ && fingerprint_ == fingerprint && target_ == target &&
        ++ticksSinceListing_ < kTicksPerListing)
        return false;
    // An unknown fingerprint is kept as none, which the next known one does not equal.
    fingerprint_ = known ? std::optional<std::uint64_t>(fingerprint) : std::nullopt;
    target_ = target;
    ticksSinceListing_ = 0;
    return true;
}

void ProcessTableWatch::Listed(bool settled) { settled_ = settled; }
