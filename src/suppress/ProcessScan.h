#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ProcessApi.h"
#include "suppress/ProcessPathCache.h"

// The ids of the running processes. EnumProcesses cannot say how many there are, only how
// much of the offered buffer it filled, so the buffer starts at 16 bytes and doubles until
// a call leaves part of it unused. Empty when the enumeration fails.
std::vector<std::uint32_t> CollectProcessIds(ProcessApi& api);

// One scan for the disc's autorun program (see IsDiscAutorunProcess): the id of the first
// match in the platform's own enumeration order. Platform 1 walks a Toolhelp snapshot,
// platform 2 the process-id list, skipping processes that cannot be opened for inspection;
// any other platform finds nothing. Every handle the scan opens is closed before it returns.
// With a cache, the process-id scan reads each process's path only once.
std::optional<std::uint32_t> FindAutorunProcess(ProcessApi& api, std::uint32_t platformId,
                                                const std::wstring& name,
                                                const std::wstring& driveRoot,
                                                ProcessPathCache* cache = nullptr);
