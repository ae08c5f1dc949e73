#pragma once
#include <cstdint>
#include <optional>

#include "platform/ProcessApi.h"
#include "suppress/ProcessScan.h"

// Whether the termination window's tick must list the processes. Under Wine one listing
// costs about 45 us per process, a hundred times a second; the table's fingerprint costs
// one request. A tick lists when the fingerprint or the target differs from those of the
// last listing, or that listing matched or left a path unread, or it is the tenth tick
// since. A start hidden behind exits of the same size is thus still found, a tenth of a
// second late at most.
class ProcessTableWatch {
public:
    bool MustList(ProcessApi& api, const AutorunTarget& target);
    // What the listing that MustList asked for left: settled when it matched nothing and
    // read every path it could.
    void Listed(bool settled);

private:
    std::optional<std::uint64_t> fingerprint_;  // taken before the listing, so no start falls between
    AutorunTarget target_;
    bool settled_ = false;
    int ticksSinceListing_ = 0;
};
