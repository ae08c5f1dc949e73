#include "suppress/ProcessTableWatch.h"

namespace {
constexpr std::uint32_t kMaxListingAgeMs = 1000;
}

bool ProcessTableWatch::MustList(ProcessApi& api, const AutorunTarget& target) {
    std::uint64_t fingerprint = 0;
    const bool known = api.ProcessTableFingerprint(&fingerprint);
    // The tick count wraps after 49.7 days; the age is taken modulo 2^32.
    const std::uint32_t now = api.GetTickCount();
    if (known && settled_ && fingerprint_ == fingerprint && target_ == target && now - listedAt_ < kMaxListingAgeMs)
        return false;
    // An unknown fingerprint is kept as none, which the next known one does not equal.
    fingerprint_ = known ? std::optional<std::uint64_t>(fingerprint) : std::nullopt;
    target_ = target;
    listedAt_ = now;
    return true;
}

void ProcessTableWatch::Listed(bool settled) { settled_ = settled; }
