#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/ProcessApi.h"

// The executable paths that earlier scans read, by process id and creation time: an id is
// reused as soon as its process is gone, but not by a process created at the same moment.
// Reading a path walks the process's module list, the dearest step of a scan by far, and
// the termination window scans every few milliseconds for a minute.
class ProcessPathCache {
public:
    const std::wstring* Find(std::uint32_t processId, std::uint64_t creationTime) const {
        const auto found = paths_.find(processId);
        return found != paths_.end() && found->second.first == creationTime ? &found->second.second : nullptr;
    }

    void Remember(std::uint32_t processId, std::uint64_t creationTime, std::wstring path) {
        paths_[processId] = {creationTime, std::move(path)};
    }

    // Forgets the processes that are gone, so the cache never outgrows the process table.
    void KeepOnly(const std::vector<ProcessRecord>& running) {
        std::map<std::uint32_t, std::pair<std::uint64_t, std::wstring>> kept;
        for (const ProcessRecord& process : running) {
            const auto found = paths_.find(process.processId);
            if (found != paths_.end()) kept.insert(*found);
        }
        paths_.swap(kept);
        complete_ = true;
    }

    // The last listing failed, or a process of it was opened but its path could not be kept.
    void MissedOne() { complete_ = false; }
    // Whether every process of the last listing that could be opened has its path here.
    bool Complete() const { return complete_; }

    std::size_t Size() const { return paths_.size(); }

private:
    std::map<std::uint32_t, std::pair<std::uint64_t, std::wstring>> paths_;
    bool complete_ = false;
};
