#pragma once
#include <cstdint>
#include <optional>

#include "platform/ProcessApi.h"
#include "suppress/ProcessScan.h"

// Whether the termination window's tick must list the processes. Under Wine a listing
// reads /proc for every process and thread, a hundred times a second; the table's
// fingerprint costs one request. A tick lists when the fingerprint or the target differs
// from those of the last listing, or that listing killed or left a path unread, or a
// hundred ticks have passed. A start hidden by exits of the same size in the same tick is
// thus still found, a second late at most.
class ProcessTableWatch {
public:
    bool MustList(ProcessApi& api, const AutorunTarget& target);
    // What the listing that MustList asked for left: settled when it killed nothing and read
    // every path it could.
    void Listed(bool settled);

private:
    std::optional<std::uint64_t> fingerprint_;  // taken before the listing, so no start falls between
    AutorunTarget target_;
    bool settled_ = false;
    int ticksSinceListing_ = 0;
};
