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

std::optional<std::uint32_t> ScanSnapshot(ProcessApi& api, const std::wstring& name,
                                          const std::wstring& driveRoot) {
    ScopedProcessHandle snapshot(api, api.CreateToolhelp32Snapshot(kTh32csSnapProcess, 0));
    if (!snapshot) return std::nullopt;
    ProcessEntry entry;
    for (bool delivered = api.Process32FirstW(snapshot.Get(), &entry); delivered;
         delivered = api.Process32NextW(snapshot.Get(), &entry)) {
        if (IsDiscAutorunProcess(entry.exeFile, name, driveRoot)) return entry.processId;
    }
    return std::nullopt;
}

std::wstring ReadExecutablePath(ProcessApi& api, Handle process) {
    Handle modules[kModuleRoom] = {};
    std::uint32_t needed = 0;
    if (!api.EnumProcessModuleHandles(process, modules, sizeof modules, &needed)) return L"";
    // The first module is the executable itself.
    wchar_t path[kPathChars] = {};
    const std::uint32_t written = api.GetModuleFileNameExW(process, modules[0], path, kPathChars);
    return std::wstring(path, std::min(written, kPathChars));
}

// The executable's path, or "" when the process cannot be inspected (yet: a process that
// has only just been created may have no module list, so an empty path is never cached).
std::wstring ExecutablePathOf(ProcessApi& api, std::uint32_t processId, ProcessPathCache* cache) {
    ScopedProcessHandle process(api, api.OpenProcess(kProcessQueryAndRead, false, processId));
    if (!process) return L"";
    std::uint64_t created = 0;
    const bool cacheable = cache && api.GetProcessCreationTime(process.Get(), &created) && created != 0;
    if (cacheable)
        if (const std::wstring* known = cache->Find(processId, created)) return *known;
    std::wstring path = ReadExecutablePath(api, process.Get());
    if (cacheable && !path.empty()) cache->Remember(processId, created, path);
    return path;
}

std::optional<std::uint32_t> ScanProcessIds(ProcessApi& api, const std::wstring& name,
                                            const std::wstring& driveRoot, ProcessPathCache* cache) {
    const std::vector<std::uint32_t> ids = CollectProcessIds(api);
    if (cache) cache->KeepOnly(ids);
    for (const std::uint32_t id : ids)
        if (IsDiscAutorunProcess(ExecutablePathOf(api, id, cache), name, driveRoot)) return id;
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

std::optional<std::uint32_t> FindAutorunProcess(ProcessApi& api, std::uint32_t platformId,
                                                const std::wstring& name,
                                                const std::wstring& driveRoot,
                                                ProcessPathCache* cache) {
    // No process can match an empty name; the scan would only cost time.
    if (name.empty()) return std::nullopt;
    if (platformId == kPlatformWin9x) return ScanSnapshot(api, name, driveRoot);
    if (platformId == kPlatformNt) return ScanProcessIds(api, name, driveRoot, cache);
    return std::nullopt;
}
