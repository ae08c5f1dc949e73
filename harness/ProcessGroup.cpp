#include "harness/ProcessGroup.h"

#include <psapi.h>

#include <atomic>
#include <set>
#include <utility>

#include "harness/ErrorText.h"

namespace trayhush::e2e {
namespace {

constexpr DWORD kEndTimeoutMs = 10000;
constexpr UINT kEndedByGroup = 99;  // an exit code no scenario expects
constexpr DWORD kEndingMs = 1000;    // for a process whose end has begun to show
constexpr int kStartAttempts = 5;
constexpr DWORD kRetryPauseMs = 200;

std::vector<DWORD> ProcessIds() {
    std::vector<DWORD> ids(8192);
    DWORD bytes = 0;
    if (!EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes)) return {};
    ids.resize(bytes / sizeof(DWORD));
    return ids;
}

// Under Wine, CreateProcess waits until the new process has set itself up, and fails when
// something ends it before then (ERROR_INTERNAL_ERROR). Trayhush, which sees a disc's
// program the moment it exists, often does. So while CreateProcess runs, a watcher opens
// every process that appears, before anything else could end it, and keeps the one that
// is the program: the group can still ask how it ended.
class ChildWatch {
public:
    explicit ChildWatch(const std::wstring& program) : program_(program) {
        for (const DWORD id : ProcessIds()) seen_.insert(id);
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ~ChildWatch() {
        Stop();
        if (child_) CloseHandle(child_);
        for (const auto& entry : opened_)
            if (entry.first) CloseHandle(entry.first);
    }
    ChildWatch(const ChildWatch&) = delete;
    ChildWatch& operator=(const ChildWatch&) = delete;

    void Stop() {
        stop_ = true;
        if (!thread_) return;
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    // The child it opened, handed over to the caller.
    HANDLE Take(DWORD* id) {
        *id = id_;
        return std::exchange(child_, nullptr);
    }

private:
    static DWORD WINAPI Run(void* self) {
        auto& watch = *static_cast<ChildWatch*>(self);
        while (!watch.stop_ && !watch.child_) watch.Look();
        return 0;
    }
    void Look() {
        for (const DWORD id : ProcessIds()) {
            if (seen_.count(id)) continue;
            const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
            if (!process) continue;  // not ready to be opened yet: tried again
            seen_.insert(id);
            opened_.push_back({process, id});
        }
        // A process just created may not tell its path yet; each is asked again.
        for (auto& [process, id] : opened_) {
            wchar_t path[MAX_PATH];
            DWORD size = MAX_PATH;
            if (!child_ && QueryFullProcessImageNameW(process, 0, path, &size) && _wcsicmp(path, program_.c_str()) == 0) {
                child_ = std::exchange(process, nullptr);
                id_ = id;
            }
        }
    }

    std::wstring program_;
    std::set<DWORD> seen_;
    std::vector<std::pair<HANDLE, DWORD>> opened_;
    std::atomic<bool> stop_{false};
    HANDLE child_ = nullptr;
    DWORD id_ = 0;
    HANDLE thread_ = nullptr;
};

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
    BOOL created = FALSE;
    // Wine also fails a start now and then with ERROR_INTERNAL_ERROR when nothing ended the
    // program, more often the more processes run: such a start is made again.
    for (int attempt = 0; !created && attempt < kStartAttempts; ++attempt) {
        ChildWatch watch(program);
        // Suspended until it is in the job, so that nothing it starts can escape the group.
        created = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                                 nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &info);
        const DWORD createError = GetLastError();
        watch.Stop();
        if (created) break;
        DWORD id = 0;
        if (const HANDLE endedWhileStarting = watch.Take(&id)) {
            handles_.push_back(endedWhileStarting);
            return StartedProcess{endedWhileStarting, id};
        }
        if (error) *error = L"cannot start " + commandLine + L": " + DescribeError(createError);
        if (createError != ERROR_INTERNAL_ERROR) return {};
        Sleep(kRetryPauseMs);
    }
    if (!created) return {};
    // A process being ended (Trayhush may end a disc's program while it is still
    // suspended) cannot join a job, nor start anything that could escape the group.
    if (job_ && !AssignProcessToJobObject(job_, info.hProcess) &&
        WaitForSingleObject(info.hProcess, kEndingMs) != WAIT_OBJECT_0) {
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

std::size_t ProcessGroup::FillProcessTable(const std::wstring& program, const std::wstring& arguments,
                                           std::size_t total, std::wstring* error) {
    std::size_t running = RunningProcessCount();
    for (; running < total; ++running)
        if (!Start(program, arguments, L"", error)) break;
    return running;
}

std::size_t RunningProcessCount() { return ProcessIds().size(); }

}  // namespace trayhush::e2e
