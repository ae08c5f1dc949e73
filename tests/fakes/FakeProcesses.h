#pragma once
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/ProcessApi.h"

// A process table in enumeration order, with handles that must all be closed.
class FakeProcesses : public ProcessApi {
public:
    struct Process {
        std::uint32_t id = 0;
        std::wstring path;
        bool modulesReadable = true;  // false: EnumProcessModules fails, as for a 64-bit process
        bool imageReadable = true;    // false as well: no path at all yet, as just after a start
        bool running = true;
        std::uint64_t creationTime = 0;  // Add gives each process a later one
        std::uint64_t listedTime = 0;    // else the listing's, as Wine's for a process still starting
    };

    std::uint32_t GetTickCount() override { return tickCount; }
    std::uint32_t GetPlatformId() override { return platformId; }
    KernelHandle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t) override {
        return flags == kTh32csSnapProcess ? Open(0, 0) : 0;
    }
    bool Process32FirstW(KernelHandle snapshot, ProcessEntry* entry) override {
        cursors_[snapshot] = 0;
        return Process32NextW(snapshot, entry);
    }
    bool Process32NextW(KernelHandle snapshot, ProcessEntry* entry) override {
        std::size_t& i = cursors_[snapshot];
        while (i < processes_.size() && !processes_[i].running) ++i;
        return i < processes_.size() && (*entry = {processes_[i].id, processes_[i].path}, ++i);
    }
    bool ListProcesses(std::vector<ProcessRecord>* processes) override {
        ++listings;
        processes->clear();
        for (const Process& p : processes_)
            if (p.running && listable) processes->push_back({p.id, p.listedTime ? p.listedTime : p.creationTime});
        return listable;
    }
    // Counted as the system counts, processes and the lengths of their names: an exit can
    // hide a start.
    bool ProcessTableFingerprint(std::uint64_t* fingerprint) override {
        if (!fingerprinted) return false;
        *fingerprint = 0;
        for (const Process& p : processes_) *fingerprint += p.running ? 1000 + p.path.size() : 0;
        return true;
    }
    KernelHandle OpenProcess(std::uint32_t access, bool, std::uint32_t processId) override {
        return Live(processId) ? Open(processId, access) : 0;
    }
    bool EnumProcessModuleHandles(KernelHandle process, Module* modules, std::uint32_t, std::uint32_t*) override {
        const Process* p = Of(process, kProcessQueryAndRead);
        return p && p->modulesReadable && (modules[0] = Module{0x400000}, true);
    }
    std::uint32_t GetModuleFileNameExW(KernelHandle process, Module, wchar_t* buffer, std::uint32_t size) override {
        const Process* p = Of(process, kProcessQueryAndRead);
        return static_cast<std::uint32_t>(p ? p->path.copy(buffer, size) : 0);
    }
    bool QueryFullProcessImageNameW(KernelHandle process, std::wstring* path) override {
        const Process* p = Of(process, kProcessQueryAndRead);
        return p && p->imageReadable && (*path = p->path, true);
    }
    bool GetProcessCreationTime(KernelHandle process, std::uint64_t* creationTime) override {
        const Process* p = Of(process, kProcessQueryAndRead);
        return p && (*creationTime = p->creationTime, true);
    }
    bool TerminateProcess(KernelHandle process, std::uint32_t) override {
        Process* p = Of(process, kProcessTerminate);
        if (!p) return false;
        p->running = false;
        terminated.push_back(p->id);
        for (const auto& h : handles_)
            if (h.second.first == p->id && (h.second.second & kProcessQueryAndRead)) terminatedWhileInspected.push_back(p->id);
        return true;
    }
    bool CloseHandle(KernelHandle handle) override { return handles_.erase(handle) != 0; }
    bool StartCommandLine(const std::wstring& commandLine, int) override {
        if (!commandLine.empty()) started.push_back(commandLine);
        return !commandLine.empty();
    }

    // Test side. The reference stays valid while more processes are added.
    Process& Add(std::uint32_t id, const std::wstring& path) {
        return processes_.emplace_back(Process{id, path, true, true, true, ++lastCreationTime_});
    }
    int OpenHandles() const { return static_cast<int>(handles_.size()); }
    std::vector<std::uint32_t> terminated;
    // Processes terminated while a handle that inspected them was still open: their id
    // cannot have passed to another process between the look and the kill.
    std::vector<std::uint32_t> terminatedWhileInspected;
    std::vector<std::wstring> started;  // command lines
    std::uint32_t tickCount = 1000;
    std::uint32_t platformId = kPlatformNt;
    int listings = 0;
    bool listable = true, fingerprinted = true;

private:
    KernelHandle Open(std::uint32_t processId, std::uint32_t access) {
        handles_[KernelHandle(++lastHandle_)] = {processId, access};
        return KernelHandle(lastHandle_);
    }
    Process* Live(std::uint32_t id) {
        for (Process& p : processes_)
            if (p.id == id && p.running) return &p;
        return nullptr;
    }
    // The running process that a handle opened with at least these rights refers to.
    Process* Of(KernelHandle handle, std::uint32_t access) {
        const auto h = handles_.find(handle);
        return h != handles_.end() && (h->second.second & access) == access ? Live(h->second.first) : nullptr;
    }

    std::deque<Process> processes_;
    std::map<KernelHandle, std::pair<std::uint32_t, std::uint32_t>> handles_;  // process id (0: snapshot), access
    std::map<KernelHandle, std::size_t> cursors_;
    std::uintptr_t lastHandle_ = 0x100;
    std::uint64_t lastCreationTime_ = 0;
};
