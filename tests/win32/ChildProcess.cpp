#include "ChildProcess.h"

#include <vector>

std::wstring HelperProgram(const std::wstring& fileName) {
    wchar_t path[MAX_PATH] = {};
    const std::wstring self(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of(L"\\/") + 1) + fileName;
}

DWORD ShiftAsAnotherProgramSeesIt() {
    ChildProcess probe(L"\"" + HelperProgram(L"th_shift_state.exe") + L"\"");
    DWORD exitCode = 98;
    return probe.WaitForExit(10000, &exitCode) ? exitCode : 98;
}

ChildProcess::ChildProcess(const std::wstring& commandLine, DWORD creationFlags) {
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW | creationFlags, nullptr, nullptr,
                          &startup, &info_))
        info_ = {};
}

ChildProcess::~ChildProcess() {
    if (!Started()) return;
    if (Running()) {
        ::TerminateProcess(info_.hProcess, 99);
        ::WaitForSingleObject(info_.hProcess, 10000);
    }
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
}

bool ChildProcess::Running() const { return Started() && ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

bool ChildProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (!Started() || ::WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    return ::GetExitCodeProcess(info_.hProcess, exitCode) != FALSE;
}
