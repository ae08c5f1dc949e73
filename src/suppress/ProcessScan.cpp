#include "suppress/ProcessScan.h"

#include <algorithm>

#include "platform/FileSystemApi.h"
#include "suppress/ProcessMatch.h"

namespace {

constexpr std::size_t kModuleRoom = 50;
constexpr std::uint32_t kPathChars = kMaxPath;

using Kill = std::function<void(std::uint32_t)>;

std::optional<std::uint32_t> ScanSnapshot(ProcessApi& api, TextApi& text, const AutorunTarget& target,
                                          const Kill& kill) {
    UniqueProcessHandle snapshot(api.CreateToolhelp32Snapshot(kTh32csSnapProcess, 0), api);
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
std::wstring ReadExecutablePath(ProcessApi& api, KernelHandle process) {
    Module modules[kModuleRoom] = {};
    std::uint32_t needed = 0;
    if (!api.EnumProcessModuleHandles(process, modules, sizeof modules, &needed)) {
        std::wstring path;
        return api.QueryFullProcessImageNameW(process, &path) ? path : L"";
    }
    wchar_t path[kPathChars] = {};
    const std::uint32_t written = api.GetModuleFileNameExW(process, modules[0], path, kPathChars);
    return std::wstring(path, std::min(written, kPathChars));
}

// Reading a path is the dearest step of a scan by far, and the termination window scans a
// hundred times a second for a minute: a process whose path an earlier scan read is known
// by its id and creation time and need not be opened, unless it matches.
std::optional<std::uint32_t> ScanProcessList(ProcessApi& api, TextApi& text, const AutorunTarget& target,
                                             ProcessPathCache* cache, const Kill& kill) {
    std::vector<ProcessRecord> listed;
    if (!api.ListProcesses(&listed)) {
        // A program started now would wait for the next change of the table: list again.
        if (cache) cache->MissedOne();
        return std::nullopt;
    }
    if (cache) cache->KeepOnly(listed);
    for (const ProcessRecord& record : listed) {
        const std::wstring* known = cache ? cache->Find(record.processId, record.creationTime) : nullptr;
        if (known && !IsDiscAutorunProcess(text, *known, target.name, target.driveRoot)) continue;
        UniqueProcessHandle process(api.OpenProcess(kProcessQueryAndRead, false, record.processId), api);
        if (!process) continue;
        // The open handle pins the process, and its own creation time says which one it is:
        // the id may have passed to a new process since the listing, or (under Wine) the
        // process was listed while still starting, before its time was filled in. Either
        // way its path is read through the handle, never taken from the listing's.
        std::uint64_t created = 0;
        const bool dated = api.GetProcessCreationTime(process.Get(), &created);
        if (dated && created != record.creationTime) known = nullptr;
        const std::wstring path = known ? *known : ReadExecutablePath(api, process.Get());
        // A path not readable yet (a process only just created) is asked for again.
        if (cache && dated && created != 0 && !path.empty()) cache->Remember(record.processId, created, path);
        else if (cache) cache->MissedOne();
        if (IsDiscAutorunProcess(text, path, target.name, target.driveRoot)) {
            kill(record.processId);
            return record.processId;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::uint32_t> TerminateAutorunProcessScan(
    ProcessApi& api, TextApi& text, std::uint32_t platformId, const AutorunTarget& target,
    ProcessPathCache* cache, const std::function<void(std::uint32_t processId)>& kill) {
    // No process can match an empty name; the scan would only cost time.
    if (target.name.empty()) return std::nullopt;
    if (platformId == kPlatformWin9x) return ScanSnapshot(api, text, target, kill);
    if (platformId == kPlatformNt) return ScanProcessList(api, text, target, cache, kill);
    return std::nullopt;
}
