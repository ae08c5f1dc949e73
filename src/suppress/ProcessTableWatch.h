#pragma once
#include <cstdint>
#include <optional>

#include "platform/ProcessApi.h"
#include "suppress/ProcessScan.h"

// Whether the termination window's tick must list the processes. Under Wine a listing
// reads /proc for every process and thread, a hundred times a second; the table's
// fingerprint costs one request. A tick lists when the fingerprint or the target differs
// from those of the last listing, or that listing failed, killed or left a path unread, or
// it is a second old. A start hidden by exits of the same total size in the same tick is
// thus still found, at the first tick a second after the last listing at most.
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
    std::uint32_t listedAt_ = 0;  // tick count
};
