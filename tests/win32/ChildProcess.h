#pragma once
#include <windows.h>

#include <string>

// A helper program beside the tests, e.g. L"th_sleeper.exe".
std::wstring HelperProgram(const std::wstring& fileName);
// 1 when another program sees Shift down, 0 when up (98 when the probe did not answer).
DWORD ShiftAsAnotherProgramSeesIt();

// A program started by a test. One still running at the end of the test is ended with
// exit code 99, which no test expects.
class ChildProcess {
public:
    explicit ChildProcess(const std::wstring& commandLine, DWORD creationFlags = 0);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const;
    // Whether it ended within timeoutMs; its exit code then goes to *exitCode.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);

private:
    PROCESS_INFORMATION info_ = {};
};
