#include "fakes/FakeProcesses.h"

#include <algorithm>

FakeProcesses::Process& FakeProcesses::Add(std::uint32_t id, const std::wstring& path) {
    processes_.push_back(Process{id, path});
    processes_.back().creationTime = nextCreationTime_++;
    return processes_.back();
}

FakeProcesses::Process* FakeProcesses::Live(std::uint32_t id) {
    for (Process& p : processes_)
        if (p.id == id && p.running) return &p;
    return nullptr;
}

void FakeProcesses::Exit(std::uint32_t id, std::uint32_t exitCode) {
    if (Process* p = Live(id)) {
        p->running = false;
        p->exitCode = exitCode;
    }
}

const FakeProcesses::Process* FakeProcesses::Find(std::uint32_t id) const {
    for (const Process& p : processes_)
        if (p.id == id) return &p;
    return nullptr;
}

std::vector<std::uint32_t> FakeProcesses::Terminated() const { return terminated_; }

Handle FakeProcesses::CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t) {
    if (snapshotFails || flags != kTh32csSnapProcess) return 0;
    const Handle h = nextHandle_++;
    handles_[h] = HandleInfo{HandleInfo::Snapshot};
    return h;
}

bool FakeProcesses::Fill(HandleInfo& info, ProcessEntry* entry) {
    while (info.cursor < processes_.size()) {
        const Process& p = processes_[info.cursor++];
        if (!p.running) continue;
        entry->processId = p.id;
        entry->exeFile = p.path.substr(0, 259);
        return true;
    }
    return false;
}

bool FakeProcesses::Process32FirstW(Handle snapshot, ProcessEntry* entry) {
    auto h = handles_.find(snapshot);
    if (h == handles_.end() || h->second.kind != HandleInfo::Snapshot) return false;
    h->second.cursor = 0;
    return Fill(h->second, entry);
}

bool FakeProcesses::Process32NextW(Handle snapshot, ProcessEntry* entry) {
    auto h = handles_.find(snapshot);
    if (h == handles_.end() || h->second.kind != HandleInfo::Snapshot) return false;
    return Fill(h->second, entry);
}

bool FakeProcesses::ListProcesses(std::vector<ProcessRecord>* processes) {
    ++listings;
    processes->clear();
    if (enumerationFails) return false;
    for (const Process& p : processes_)
        if (p.running) processes->push_back({p.id, p.creationTime});
    if (afterEnumeration) afterEnumeration();
    return true;
}

Handle FakeProcesses::OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) {
    opens.push_back({access, inherit, processId});
    Process* p = Live(processId);
    if (!p) return 0;
    if ((access & kProcessQueryAndRead) && !p->inspectable) return 0;
    if ((access & kProcessTerminate) && !p->terminable) return 0;
    const Handle h = nextHandle_++;
    handles_[h] = HandleInfo{HandleInfo::Process, processId, access};
    return h;
}

bool FakeProcesses::EnumProcessModuleHandles(Handle process, Handle* modules, std::uint32_t bytes,
                                             std::uint32_t* bytesNeeded) {
    ++moduleListings;
    auto h = handles_.find(process);
    if (h == handles_.end() || h->second.kind != HandleInfo::Process) return false;
    const Process* p = Live(h->second.processId);
    // Windows needs both query and read rights to list a process's modules.
    const bool mayRead = (h->second.access & kProcessQueryAndRead) == kProcessQueryAndRead;
    if (!mayRead || !p || !p->modulesReadable) return false;
    if (bytes >= sizeof(Handle)) modules[0] = 0x400000;
    *bytesNeeded = sizeof(Handle);
    return true;
}

bool FakeProcesses::GetProcessCreationTime(Handle process, std::uint64_t* creationTime) {
    const auto h = handles_.find(process);
    if (h == handles_.end() || h->second.kind != HandleInfo::Process) return false;
    const Process* p = Live(h->second.processId);
    if (!p || !(h->second.access & kProcessQueryAndRead)) return false;
    *creationTime = p->creationTime;
    return true;
}

std::uint32_t FakeProcesses::GetModuleFileNameExW(Handle process, Handle, wchar_t* buffer,
                                                  std::uint32_t size) {
    auto h = handles_.find(process);
    if (h == handles_.end() || size == 0) return 0;
    if ((h->second.access & kProcessQueryAndRead) != kProcessQueryAndRead) return 0;
    Process* p = Live(h->second.processId);
    if (!p) return 0;
    const std::uint32_t n = std::min<std::uint32_t>(static_cast<std::uint32_t>(p->path.size()), size - 1);
    std::copy(p->path.begin(), p->path.begin() + n, buffer);
    buffer[n] = L'\0';
    return n;
}

bool FakeProcesses::QueryFullProcessImageNameW(Handle process, std::wstring* path) {
    const auto h = handles_.find(process);
    if (h == handles_.end() || h->second.kind != HandleInfo::Process) return false;
    const Process* p = Live(h->second.processId);
    if (!p || !p->imageNameReadable) return false;
    *path = p->path;
    return true;
}

bool FakeProcesses::TerminateProcess(Handle process, std::uint32_t exitCode) {
    auto h = handles_.find(process);
    if (h == handles_.end() || !(h->second.access & kProcessTerminate)) return false;
    Process* p = Live(h->second.processId);
    if (!p || p->terminateFails) return false;
    p->running = false;
    p->exitCode = exitCode;
    terminated_.push_back(p->id);
    for (const auto& other : handles_)
        if (other.second.kind == HandleInfo::Process && other.second.processId == p->id &&
            (other.second.access & kProcessQueryAndRead))
            terminatedWhileInspected.push_back(p->id);
    return true;
}

bool FakeProcesses::CloseHandle(Handle handle) { return handles_.erase(handle) != 0; }

bool FakeProcesses::StartCommandLine(const std::wstring& commandLine, int showState) {
    if (commandLine.empty()) return false;
    if (!startable.empty() && !startable.count(commandLine)) return false;
    started.push_back({commandLine, showState});
    return true;
}
