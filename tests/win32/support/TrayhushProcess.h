#pragma once
#include <windows.h>

#include <string>

// A Trayhush.exe started by a test, ended (gently, then by force) when the test is done.
class TrayhushProcess {
public:
    // The executable under test: TH_EXE from ctest, else Trayhush.exe beside the tests.
    static std::wstring ExePath();

    explicit TrayhushProcess(const std::wstring& exePath = ExePath());
    ~TrayhushProcess();
    TrayhushProcess(const TrayhushProcess&) = delete;
    TrayhushProcess& operator=(const TrayhushProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    // Whether it ended within timeoutMs, and its exit code.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    // Its main window (caption "Trayhush"), waiting up to timeoutMs for it to appear.
    HWND MainWindow(DWORD timeoutMs = 10000);
    // Asks it to close as a user would; false if it did not end in time.
    bool Close(DWORD timeoutMs = 10000);

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Waits until the condition holds or timeoutMs passes, pumping this thread's messages.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (::GetTickCount64() > end) return false;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(20);
    }
}
