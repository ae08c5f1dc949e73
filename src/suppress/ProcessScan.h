#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ProcessApi.h"
#include "platform/TextApi.h"
#include "suppress/ProcessPathCache.h"

// What one scan looks for: the disc's program by name, on the drive the disc is in.
struct AutorunTarget {
    std::wstring name;
    std::wstring driveRoot;

    bool operator==(const AutorunTarget& other) const { return name == other.name && driveRoot == other.driveRoot; }
};

// One scan for the disc's autorun program (see IsDiscAutorunProcess): the first match in
// the platform's own enumeration order is handed to kill, and its id returned. Platform 1
// walks a Toolhelp snapshot, platform 2 the system's process list, skipping processes that
// cannot be opened for inspection; any other platform finds nothing. On platform 2 the
// inspection handle stays open while kill runs, so the id cannot pass to a new process in
// between. Every handle the scan opens is closed before it returns. With a cache, the
// platform 2 scan reads each process's path only once.
std::optional<std::uint32_t> TerminateAutorunProcessScan(
    ProcessApi& api, TextApi& text, std::uint32_t platformId, const AutorunTarget& target,
    ProcessPathCache* cache, const std::function<void(std::uint32_t processId)>& kill);
