#include "win32/support/TrayhushProcess.h"

#include <vector>

std::wstring TrayhushProcess::ExePath() {
    wchar_t buffer[32768];
    const DWORD n = ::GetEnvironmentVariableW(L"TH_EXE", buffer, 32768);
    if (n > 0 && n < 32768) {
        std::wstring path(buffer, n);
        // ctest hands over a Unix path; Wine maps the root folder to Z:.
        if (!path.empty() && path[0] == L'/') {
            for (wchar_t& c : path)
                if (c == L'/') c = L'\\';
            path = L"Z:" + path;
        }
        return path;
    }
    const DWORD m = ::GetModuleFileNameW(nullptr, buffer, 32768);
    std::wstring self(buffer, m);
    return self.substr(0, self.find_last_of(L'\\') + 1) + L"Trayhush.exe";
}

TrayhushProcess::TrayhushProcess(const std::wstring& exePath) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         nullptr, &startup, &info)) {
        ::CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
}

TrayhushProcess::~TrayhushProcess() {
    if (!process_) return;
    if (!WaitForExit(0) && !Close(5000)) {
        ::TerminateProcess(process_, 1);
        ::WaitForSingleObject(process_, 5000);
    }
    ::CloseHandle(process_);
}

bool TrayhushProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (!process_) return true;
    const bool ended = WaitUntil([&] { return ::WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; },
                                 timeoutMs);
    if (ended && exitCode) ::GetExitCodeProcess(process_, exitCode);
    return ended;
}

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindCaption(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t caption[64] = {};
    ::GetWindowTextW(window, caption, 64);
    if (owner == search->processId && std::wstring(caption) == L"Trayhush") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND TrayhushProcess::MainWindow(DWORD timeoutMs) {
    Search search{id_, nullptr};
    WaitUntil([&] {
        ::EnumWindows(FindCaption, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, timeoutMs);
    return search.found;
}

bool TrayhushProcess::Close(DWORD timeoutMs) {
    HWND window = MainWindow(timeoutMs);
    if (window) ::PostMessageW(window, WM_CLOSE, 0, 0);
    return WaitForExit(timeoutMs);
}
