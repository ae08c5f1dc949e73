#include "suppress/ProcessScan.h"

#include <algorithm>

#include "suppress/ProcessMatch.h"
#include "suppress/ScopedProcessHandle.h"

namespace {

constexpr std::uint32_t kFirstIdBufferBytes = 16;
// Far beyond any real process count; only a misbehaving enumeration gets here.
constexpr std::uint32_t kMaxIdBufferBytes = 1u << 22;
constexpr std::size_t kModuleRoom = 50;
constexpr std::uint32_t kPathChars = 260;

using Kill = std::function<void(std::uint32_t)>;

std::optional<std::uint32_t> ScanSnapshot(ProcessApi& api, TextApi& text, const AutorunTarget& target,
                                          const Kill& kill) {
    ScopedProcessHandle snapshot(api, api.CreateToolhelp32Snapshot(kTh32csSnapProcess, 0));
    if (!snapshot) return std::nullopt;
    ProcessEntry entry;
    for (bool delivered = api.Process32FirstW(snapshot.Get(), &entry); delivered;
         delivered = api.Process32NextW(snapshot.Get(), &entry)) {
        if (IsDiscAutorunProcess(text, entry.exeFile, target.name, target.driveRoot)) {
            kill(entry.processId);
            return entry.processId;
        }
    }
    return std::nullopt;
}

// The first module is the executable itself. A process whose module list cannot be read
// (a 64-bit one seen from the 32-bit program, or one not yet initialised) still tells
// its image's path.
std::wstring ReadExecutablePath(ProcessApi& api, Handle process) {
    Handle modules[kModuleRoom] = {};
    std::uint32_t needed = 0;
    if (!api.EnumProcessModuleHandles(process, modules, sizeof modules, &needed)) {
        std::wstring path;
        return api.QueryFullProcessImageNameW(process, &path) ? path : L"";
    }
    wchar_t path[kPathChars] = {};
    const std::uint32_t written = api.GetModuleFileNameExW(process, modules[0], path, kPathChars);
    return std::wstring(path, std::min(written, kPathChars));
}

// The executable's path, or "" when it cannot be read (yet), which is never cached.
std::wstring ExecutablePathOf(ProcessApi& api, Handle process, std::uint32_t processId,
                              ProcessPathCache* cache) {
    std::uint64_t created = 0;
    const bool cacheable = cache && api.GetProcessCreationTime(process, &created) && created != 0;
    if (cacheable)
        if (const std::wstring* known = cache->Find(processId, created)) return *known;
    std::wstring path = ReadExecutablePath(api, process);
    if (cacheable && !path.empty()) cache->Remember(processId, created, path);
    return path;
}

std::optional<std::uint32_t> ScanProcessIds(ProcessApi& api, TextApi& text, const AutorunTarget& target,
                                            ProcessPathCache* cache, const Kill& kill) {
    const std::vector<std::uint32_t> ids = CollectProcessIds(api);
    if (cache) cache->KeepOnly(ids);
    for (const std::uint32_t id : ids) {
        ScopedProcessHandle process(api, api.OpenProcess(kProcessQueryAndRead, false, id));
        if (!process) continue;
        const std::wstring path = ExecutablePathOf(api, process.Get(), id, cache);
        if (IsDiscAutorunProcess(text, path, target.name, target.driveRoot)) {
            kill(id);
            return id;
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::uint32_t> CollectProcessIds(ProcessApi& api) {
    std::vector<std::uint32_t> ids;
    std::uint32_t size = kFirstIdBufferBytes / 2;
    std::uint32_t returned = 96;
    while (size <= returned) {
        if (size >= kMaxIdBufferBytes) return {};
        size *= 2;
        ids.assign(size / sizeof(std::uint32_t), 0);
        if (!api.EnumProcessIds(ids.data(), size, &returned)) return {};
    }
    ids.resize(returned / sizeof(std::uint32_t));
    return ids;
}

std::optional<std::uint32_t> TerminateAutorunProcessScan(
    ProcessApi& api, TextApi& text, std::uint32_t platformId, const AutorunTarget& target,
    ProcessPathCache* cache, const std::function<void(std::uint32_t processId)>& kill) {
    // No process can match an empty name; the scan would only cost time.
    if (target.name.empty()) return std::nullopt;
    if (platformId == kPlatformWin9x) return ScanSnapshot(api, text, target, kill);
    if (platformId == kPlatformNt) return ScanProcessIds(api, text, target, cache, kill);
    return std::nullopt;
}
