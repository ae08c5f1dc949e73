#pragma once
#include "platform/ProcessApi.h"

class Win32ProcessApi : public ProcessApi {
public:
    // A non-zero forcedPlatformId is reported instead of the system's own, so that tests can
    // run either enumeration on any Windows.
    explicit Win32ProcessApi(std::uint32_t forcedPlatformId = 0);

    std::uint32_t GetTickCount() override;
    std::uint32_t GetPlatformId() override;
    KernelHandle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) override;
    bool Process32FirstW(KernelHandle snapshot, ProcessEntry* entry) override;
    bool Process32NextW(KernelHandle snapshot, ProcessEntry* entry) override;
    bool ListProcesses(std::vector<ProcessRecord>* processes) override;
    bool ProcessTableFingerprint(std::uint64_t* fingerprint) override;
    KernelHandle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) override;
    bool EnumProcessModuleHandles(KernelHandle process, Module* modules, std::uint32_t bytes,
                                  std::uint32_t* bytesNeeded) override;
    std::uint32_t GetModuleFileNameExW(KernelHandle process, Module module, wchar_t* buffer,
                                       std::uint32_t size) override;
    bool QueryFullProcessImageNameW(KernelHandle process, std::wstring* path) override;
    bool GetProcessCreationTime(KernelHandle process, std::uint64_t* creationTime) override;
    bool TerminateProcess(KernelHandle process, std::uint32_t exitCode) override;
    bool CloseHandle(KernelHandle handle) override;
    bool StartCommandLine(const std::wstring& commandLine, int showState) override;

private:
    std::uint32_t forcedPlatformId_;
    // The system's answer, kept at the size that fitted last time: the termination window
    // lists the processes a hundred times a second.
    std::vector<std::uint64_t> listing_;
};
