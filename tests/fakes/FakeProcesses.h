#pragma once
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ProcessApi.h"

// A process table in enumeration order, with handles that must all be closed.
class FakeProcesses : public ProcessApi {
public:
    struct Process {
        std::uint32_t id = 0;
        std::wstring path;
        bool inspectable = true;  // false: opening it for inspection is refused
        bool modulesReadable = true;  // false: EnumProcessModules fails on it
        bool imageNameReadable = true;  // false: QueryFullProcessImageNameW fails on it
        bool terminable = true;       // false: opening it for termination is refused
        bool terminateFails = false;  // opened for termination, yet TerminateProcess fails
        bool running = true;
        std::uint32_t exitCode = 259;  // STILL_ACTIVE
        std::uint64_t creationTime = 0;  // Add gives every process a later one
    };

    std::uint32_t GetTickCount() override { return tickCount; }
    std::uint32_t GetPlatformId() override { return platformId; }
    Handle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) override;
    bool Process32FirstW(Handle snapshot, ProcessEntry* entry) override;
    bool Process32NextW(Handle snapshot, ProcessEntry* entry) override;
    bool ListProcesses(std::vector<ProcessRecord>* processes) override;
    Handle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) override;
    bool EnumProcessModuleHandles(Handle process, Handle* modules, std::uint32_t bytes,
                                  std::uint32_t* bytesNeeded) override;
    std::uint32_t GetModuleFileNameExW(Handle process, Handle module, wchar_t* buffer,
                                       std::uint32_t size) override;
    bool QueryFullProcessImageNameW(Handle process, std::wstring* path) override;
    bool GetProcessCreationTime(Handle process, std::uint64_t* creationTime) override;
    bool TerminateProcess(Handle process, std::uint32_t exitCode) override;
    bool CloseHandle(Handle handle) override;
    bool StartCommandLine(const std::wstring& commandLine, int showState) override;

    // Test side.
    // The reference stays valid while more processes are added.
    Process& Add(std::uint32_t id, const std::wstring& path);
    const Process* Find(std::uint32_t id) const;
    // Ends a process as if it had exited by itself.
    void Exit(std::uint32_t id, std::uint32_t exitCode = 0);
    std::vector<std::uint32_t> Terminated() const;
    int OpenHandles() const { return static_cast<int>(handles_.size()); }
    // Processes terminated while a handle that inspected them was still open: their id
    // cannot have passed to another process between the look and the kill.
    std::vector<std::uint32_t> terminatedWhileInspected;

    std::uint32_t tickCount = 1000;
    std::uint32_t platformId = kPlatformNt;
    bool snapshotFails = false;
    bool enumerationFails = false;
    // Runs once ListProcesses has answered: the moment a process can vanish
    // between the listing of ids and its inspection.
    std::function<void()> afterEnumeration;
    struct Open {
        std::uint32_t access;
        bool inherit;
        std::uint32_t processId;
    };
    std::vector<Open> opens;  // every OpenProcess request, granted or not
    int listings = 0;  // ListProcesses calls
    int moduleListings = 0;  // EnumProcessModuleHandles calls
    struct Started {
        std::wstring commandLine;
        int showState;
    };
    std::vector<Started> started;
    std::set<std::wstring> startable;  // command lines that StartCommandLine accepts; empty: any non-empty

private:
    struct HandleInfo {
        enum Kind { Snapshot, Process } kind;
        std::uint32_t processId = 0;
        std::uint32_t access = 0;
        std::size_t cursor = 0;
    };
    Process* Live(std::uint32_t id);
    bool Fill(HandleInfo& info, ProcessEntry* entry);

    std::deque<Process> processes_;
    std::map<Handle, HandleInfo> handles_;
    Handle nextHandle_ = 0x100;
    std::uint64_t nextCreationTime_ = 1;
    std::vector<std::uint32_t> terminated_;
};
