#include "harness/ProcessGroup.h"

#include "harness/ErrorText.h"

namespace trayhush::e2e {
namespace {

constexpr DWORD kEndTimeoutMs = 10000;
constexpr UINT kEndedByGroup = 99;  // an exit code no scenario expects

}  // namespace

bool StartedProcess::Running() const { return handle && WaitForSingleObject(handle, 0) == WAIT_TIMEOUT; }

bool StartedProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const {
    if (!handle || WaitForSingleObject(handle, timeoutMs) != WAIT_OBJECT_0) return false;
    DWORD code = 0;
    GetExitCodeProcess(handle, &code);
    if (exitCode) *exitCode = code;
    return true;
}

ProcessGroup::ProcessGroup() {
    job_ = CreateJobObjectW(nullptr, nullptr);
    if (!job_) return;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
}

ProcessGroup::~ProcessGroup() {
    EndAll();
    for (HANDLE handle : handles_) CloseHandle(handle);
    if (job_) CloseHandle(job_);
}

StartedProcess ProcessGroup::Start(const std::wstring& program, const std::wstring& arguments,
                                   const std::wstring& folder, std::wstring* error) {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Suspended until it is in the job, so that nothing it starts can escape the group.
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        if (error) *error = L"cannot start " + commandLine + L": " + DescribeError(GetLastError());
        return {};
    }
    if (job_ && !AssignProcessToJobObject(job_, info.hProcess)) {
        if (error) *error = L"cannot put " + program + L" into the scenario's job: " + DescribeError(GetLastError());
        TerminateProcess(info.hProcess, kEndedByGroup);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        return {};
    }
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    handles_.push_back(info.hProcess);
    return StartedProcess{info.hProcess, info.dwProcessId};
}

void ProcessGroup::EndAll() {
    if (job_) TerminateJobObject(job_, kEndedByGroup);
    for (HANDLE handle : handles_) {
        if (WaitForSingleObject(handle, 0) == WAIT_TIMEOUT) TerminateProcess(handle, kEndedByGroup);
        WaitForSingleObject(handle, kEndTimeoutMs);
    }
}

}  // namespace trayhush::e2e
