#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Handles.h"

// One Toolhelp process entry: its id and the full path of its executable.
struct ProcessEntry {
    std::uint32_t processId = 0;
    std::wstring exeFile;
};

// One process as the system lists it: its id, and when it was created (an id passes to a
// new process as soon as the old one is gone, a creation time does not).
struct ProcessRecord {
    std::uint32_t processId = 0;
    std::uint64_t creationTime = 0;  // 100 ns units since 1601, as GetProcessTimes gives it
};

// Processes, mirroring the kernel32/psapi calls. Handles are 0 on failure
// (the Win32 layer maps INVALID_HANDLE_VALUE to 0).
class ProcessApi {
public:
    virtual ~ProcessApi() = default;
    virtual std::uint32_t GetTickCount() = 0;
    // The platform id of GetVersionExW: 1 for the Windows 9x family, 2 for the NT family.
    virtual std::uint32_t GetPlatformId() = 0;
    virtual KernelHandle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) = 0;
    virtual bool Process32FirstW(KernelHandle snapshot, ProcessEntry* entry) = 0;
    virtual bool Process32NextW(KernelHandle snapshot, ProcessEntry* entry) = 0;
    // Every running process, in the system's own order, from one system call
    // (NtQuerySystemInformation with SystemProcessInformation, on which EnumProcesses is
    // built). False when the system cannot list them.
    virtual bool ListProcesses(std::vector<ProcessRecord>* processes) = 0;
    // A figure that changes when a process starts, read without listing: the room the
    // listing would take. A start hides only behind exits of processes or threads in the
    // same moment that free exactly as much. False when the system cannot tell.
    virtual bool ProcessTableFingerprint(std::uint64_t* fingerprint) = 0;
    virtual KernelHandle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) = 0;
    virtual bool EnumProcessModuleHandles(KernelHandle process, Module* modules, std::uint32_t bytes,
                                          std::uint32_t* bytesNeeded) = 0;
    // GetModuleFileNameExW: the number of characters written into buffer.
    virtual std::uint32_t GetModuleFileNameExW(KernelHandle process, Module module, wchar_t* buffer,
                                               std::uint32_t size) = 0;
    // QueryFullProcessImageNameW: the executable's path also where the module list cannot be
    // read (a 64-bit process seen from the 32-bit program, a process not yet initialised).
    virtual bool QueryFullProcessImageNameW(KernelHandle process, std::wstring* path) = 0;
    // GetProcessTimes' creation time, in 100 ns units since 1601.
    virtual bool GetProcessCreationTime(KernelHandle process, std::uint64_t* creationTime) = 0;
    virtual bool TerminateProcess(KernelHandle process, std::uint32_t exitCode) = 0;
    virtual bool CloseHandle(KernelHandle handle) = 0;
    // Starts a command line with a window show state (kSwShowMinimized: minimised, activated).
    // False when it is empty or names nothing that can be started.
    virtual bool StartCommandLine(const std::wstring& commandLine, int showState) = 0;
};

// Closes a process or snapshot handle through the interface that opened it.
struct ProcessHandleCloser {
    ProcessHandleCloser(ProcessApi& processes) : api(&processes) {}
    void operator()(KernelHandle handle) const { api->CloseHandle(handle); }
    ProcessApi* api;
};
using UniqueProcessHandle = Unique<KernelHandle, ProcessHandleCloser>;

constexpr std::uint32_t kTh32csSnapProcess = 2;
constexpr std::uint32_t kProcessTerminate = 0x1;
constexpr std::uint32_t kProcessQueryAndRead = 0x410;
constexpr std::uint32_t kPlatformWin9x = 1;
constexpr std::uint32_t kPlatformNt = 2;
constexpr int kSwShowMinimized = 2;
