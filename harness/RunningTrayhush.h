#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "harness/ProcessGroup.h"
#include "harness/RemoteLibrary.h"

namespace trayhush::e2e {

// The real Trayhush.exe, started in a scenario's process group and watched from outside.
// The notification probe is loaded into it for the two things Wine keeps inside the
// process: raising the shell's media notification, and naming the tray icon.
class RunningTrayhush {
public:
    RunningTrayhush(ProcessGroup& group, std::wstring exePath, std::wstring probePath);
    ~RunningTrayhush();
    RunningTrayhush(const RunningTrayhush&) = delete;
    RunningTrayhush& operator=(const RunningTrayhush&) = delete;

    // Starts it and waits, bounded, until its main and tray windows exist; false and
    // *error when it did not get that far.
    bool Start(std::wstring* error);

    const StartedProcess& Process() const { return process_; }
    HWND MainWindow() const { return mainWindow_; }
    HWND TrayWindow() const { return trayWindow_; }

    // The shell's "media inserted" for drive letter, raised inside the program.
    bool AnnounceMediaInserted(wchar_t letter, std::wstring* error);
    // The identifier under which the program's icon sits in the notification area.
    bool TrayIconId(UINT* id, std::wstring* error);

    // Waits, bounded, until the program shows root as the drive it was told of last.
    bool WaitForReportedRoot(const std::wstring& root, DWORD timeoutMs);
    std::wstring ReportedRoot() const;

    // Leaves the probe before the program goes, so that nothing of the test outlives it.
    void UnloadProbe();

private:
    bool LoadProbe(std::wstring* error);

    ProcessGroup& group_;
    std::wstring exePath_;
    std::wstring probePath_;
    StartedProcess process_;
    HWND mainWindow_ = nullptr;
    HWND trayWindow_ = nullptr;
    std::unique_ptr<RemoteLibrary> probe_;
};

// Waits until condition() holds or timeoutMs passes; a bound, never a demand on speed.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs, DWORD pollMs = 20) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(pollMs);
    }
}

}  // namespace trayhush::e2e
