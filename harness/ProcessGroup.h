#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace trayhush::e2e {

// A program started by a scenario; the handle stays valid while its group lives.
struct StartedProcess {
    HANDLE handle = nullptr;
    DWORD id = 0;

    explicit operator bool() const { return handle != nullptr; }
    bool Running() const;
    // Whether it ended within timeoutMs; its exit code then goes to *exitCode.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
};

// Every program a scenario starts, and every program those start in turn, belongs to one
// job: ending the group ends them all, and so does this process dying, so a failed or
// crashed scenario leaves nothing running in the Wine session.
class ProcessGroup {
public:
    ProcessGroup();
    ~ProcessGroup();
    ProcessGroup(const ProcessGroup&) = delete;
    ProcessGroup& operator=(const ProcessGroup&) = delete;

    // Starts program (a full path) with the given command-line arguments in folder
    // (empty: this process's folder). Returns an empty process and sets *error on failure.
    StartedProcess Start(const std::wstring& program, const std::wstring& arguments,
                         const std::wstring& folder, std::wstring* error);
    // Ends every program of the group that still runs and waits, bounded, for them to go.
    void EndAll();
    // Starts program until about `total` processes run in the session; the count reached.
    std::size_t FillProcessTable(const std::wstring& program, const std::wstring& arguments, std::size_t total,
                                 std::wstring* error);

private:
    HANDLE job_ = nullptr;
    std::vector<HANDLE> handles_;
};

// The processes running in the session, as EnumProcesses counts them.
std::size_t RunningProcessCount();

}  // namespace trayhush::e2e
