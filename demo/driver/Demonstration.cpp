#include "Demonstration.h"

#include <stdexcept>

#include "harness/ErrorText.h"
#include "harness/RegistryState.h"
#include "harness/TrayhushWindows.h"
#include "harness/WinePaths.h"

namespace trayhush::demo {
namespace {

// Bounds of the waits, not expectations of speed. The first program with windows in a
// fresh Wine session also waits for Wine's desktop to start.
constexpr DWORD kDetectionTimeoutMs = 30000;
constexpr DWORD kKillTimeoutMs = 10000;
constexpr DWORD kPlayerTimeoutMs = 10000;
constexpr DWORD kShowTimeoutMs = 10000;
constexpr DWORD kScreenshotTimeoutMs = 60000;
constexpr DWORD kCloseTimeoutMs = 10000;
constexpr DWORD kAnnounceRetryMs = 250;

const wchar_t kDiscLabel[] = L"TRAYHUSH_DEMO";
const wchar_t kPlayerWindowClass[] = L"TrayhushDemoPlayer";

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring FileName(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

}  // namespace

Demonstration::Demonstration(const DemoOptions& options, const Timeline& timeline)
    : options_(options), timeline_(timeline) {}

Demonstration::~Demonstration() { TakeDown(); }

int Demonstration::Run() {
    const bool done = PrepareMachine() && StartTrayhush() && InsertDisc() && WaitForDetection() &&
                      WaitForPlayer() && RunAutorunProgram();
    // The picture is worth taking also after a failure: it shows how far things got.
    if (trayhush_ && trayhush_->Process().Running() && OpenMainWindow()) TakeScreenshot();
    TakeDown();
    return done ? 0 : 1;
}

bool Demonstration::PrepareMachine() {
    e2e::ForgetEverything();
    if (!e2e::RegisterDefaultDvdCommand(L"play", L"\"" + options_.player + L"\"")) {
        timeline_.Failure(L"cannot register the default DVD command under HKEY_CLASSES_ROOT\\DVD");
        return false;
    }
    timeline_.Event(L"the system's default DVD command is " + FileName(options_.player) +
                    L" (HKEY_CLASSES_ROOT\\DVD\\shell\\play)");
    const DWORD used = GetLogicalDrives();
    for (wchar_t candidate = L'X'; candidate >= L'D' && !letter_; --candidate)
        if (!(used & (1u << (candidate - L'A')))) letter_ = candidate;
    if (!letter_) {
        timeline_.Failure(L"no free drive letter for the CD-ROM drive");
        return false;
    }
    try {
        drive_ = std::make_unique<testsupport::WineCdDrive>(letter_, L"");
    } catch (const std::exception& failure) {
        timeline_.Failure(L"cannot define the CD-ROM drive: " + testsupport::fromUtf8(failure.what()));
        return false;
    }
    timeline_.Event(L"simulated CD-ROM drive " + Root().substr(0, 2) + L" defined, no disc in it");
    return true;
}

bool Demonstration::StartTrayhush() {
    trayhush_ = std::make_unique<e2e::RunningTrayhush>(group_, options_.trayhush, options_.probe);
    std::wstring error;
    if (!trayhush_->Start(&error)) {
        timeline_.Failure(error);
        return false;
    }
    timeline_.Event(L"Trayhush.exe started with its default settings (process " +
                    std::to_wstring(trayhush_->Process().id) + L"); it sits in the notification area");
    return true;
}

bool Demonstration::InsertDisc() {
    disc_ = std::make_unique<DemoDisc>(options_.discTemplate, options_.autorun);
    if (!disc_->Error().empty()) {
        timeline_.Failure(disc_->Error());
        return false;
    }
    try {
        drive_->insert(disc_->UnixPath(), kDiscLabel);
    } catch (const std::exception& failure) {
        timeline_.Failure(L"cannot insert the disc: " + testsupport::fromUtf8(failure.what()));
        return false;
    }
    insertedAt_ = timeline_.Now();
    timeline_.Event(L"DVD-Video disc \"" + std::wstring(kDiscLabel) + L"\" inserted into " + Root().substr(0, 2));
    timeline_.Detail(L"it holds VIDEO_TS\\VIDEO_TS.IFO and AUTORUN.INF: open=setup/demoauto.exe /autorun");
    return true;
}

// On Windows the shell tells every registered window of the new disc; Wine does so only
// inside the process that raises the notice, so the notice is raised inside Trayhush.
bool Demonstration::WaitForDetection() {
    std::wstring error;
    bool announced = false;
    const bool detected = e2e::WaitUntil(
        [&] {
            if (!trayhush_->AnnounceMediaInserted(letter_, &error)) return true;
            if (!announced) timeline_.Event(L"the shell announced the new disc (SHCNE_MEDIAINSERTED)");
            announced = true;
            // Delivered synchronously: the report is there now or the notice was lost
            // because Trayhush had not yet finished starting.
            return trayhush_->ReportedRoot() == Root();
        },
        kDetectionTimeoutMs, kAnnounceRetryMs);
    if (!error.empty()) {
        timeline_.Failure(error);
        return false;
    }
    if (!detected) {
        timeline_.Failure(L"Trayhush did not detect the disc within " + std::to_wstring(kDetectionTimeoutMs / 1000) +
                          L" s");
        return false;
    }
    timeline_.Event(L"Trayhush detected the disc in " + Root() + L" (" +
                    std::to_wstring(timeline_.Now() - insertedAt_) + L" ms after insertion)");
    return true;
}

bool Demonstration::WaitForPlayer() {
    HWND player = nullptr;
    if (!e2e::WaitUntil([&] { return (player = FindWindowW(kPlayerWindowClass, nullptr)) != nullptr; },
                        kPlayerTimeoutMs)) {
        timeline_.Failure(L"Trayhush did not start the default DVD command within " +
                          std::to_wstring(kPlayerTimeoutMs / 1000) + L" s");
        return false;
    }
    timeline_.Event(L"Trayhush started the default DVD command: " + FileName(options_.player) +
                    (IsIconic(player) ? L", minimised" : L""));
    return true;
}

bool Demonstration::RunAutorunProgram() {
    const std::wstring program = Root() + DemoDisc::kProgramName;
    std::wstring error;
    const e2e::StartedProcess autorun = group_.Start(program, L"", Root(), &error);
    if (!autorun) {
        timeline_.Failure(error);
        return false;
    }
    const ULONGLONG startedAt = timeline_.Now();
    timeline_.Event(L"the disc's autorun program " + program + L" started from the drive, as AutoRun would");
    DWORD exitCode = 0;
    if (!autorun.WaitForExit(kKillTimeoutMs, &exitCode)) {
        timeline_.Failure(program + L" was still running " + std::to_wstring(kKillTimeoutMs / 1000) +
                          L" s later: Trayhush did not end it");
        return false;
    }
    timeline_.Event(program + L" terminated by Trayhush after " + std::to_wstring(timeline_.Now() - startedAt) +
                    L" ms (exit code " + std::to_wstring(exitCode) + L")");
    if (exitCode != 0) {
        timeline_.Failure(L"it ended, but not through Trayhush, which ends programs with exit code 0");
        return false;
    }
    return true;
}

bool Demonstration::OpenMainWindow() {
    std::wstring error;
    if (!trayhush_->TrayIconId(&iconId_, &error)) {
        timeline_.Failure(error);
        return false;
    }
    trayhush_->UnloadProbe();
    const HWND window = trayhush_->MainWindow();
    if (!e2e::ClickTrayIcon(trayhush_->TrayWindow(), iconId_) ||
        !e2e::WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, kShowTimeoutMs)) {
        timeline_.Failure(L"a click on the tray icon did not open Trayhush's window");
        return false;
    }
    timeline_.Event(L"Trayhush's window opened with a click on its tray icon");
    return true;
}

void Demonstration::TakeScreenshot() {
    if (options_.screenshotReady.empty()) return;
    const HANDLE ready = CreateFileW(options_.screenshotReady.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (ready == INVALID_HANDLE_VALUE) {
        timeline_.Failure(L"cannot write " + options_.screenshotReady + L": " + e2e::DescribeError(GetLastError()));
        return;
    }
    CloseHandle(ready);
    if (e2e::WaitUntil([&] { return FileExists(options_.screenshotDone); }, kScreenshotTimeoutMs, 100))
        timeline_.Event(L"screenshot taken");
    else
        timeline_.Failure(L"no screenshot within " + std::to_wstring(kScreenshotTimeoutMs / 1000) + L" s");
}

void Demonstration::TakeDown() {
    if (takenDown_) return;
    takenDown_ = true;
    if (trayhush_) {
        trayhush_->UnloadProbe();
        const e2e::StartedProcess& process = trayhush_->Process();
        DWORD exitCode = 0;
        if (process.Running() && trayhush_->MainWindow() &&
            PostMessageW(trayhush_->MainWindow(), WM_CLOSE, 0, 0) && process.WaitForExit(kCloseTimeoutMs, &exitCode)) {
            const bool iconGone = iconId_ == 0 || !e2e::TrayIconPresent(trayhush_->TrayWindow(), iconId_);
            timeline_.Event(L"Trayhush closed (exit code " + std::to_wstring(exitCode) + L")" +
                            (iconGone ? L", its tray icon gone" : L", but its tray icon is still there"));
        }
    }
    group_.EndAll();
    trayhush_.reset();
    drive_.reset();
    disc_.reset();
    e2e::ForgetEverything();
    timeline_.Event(L"cleaned up: every program the demonstration started has ended, the drive is gone");
}

}  // namespace trayhush::demo
