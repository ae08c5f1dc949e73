#include "harness/RunningTrayhush.h"

#include "harness/TrayhushWindows.h"

namespace trayhush::e2e {
namespace {

// The first windowed program of a session also waits for Wine's desktop to come up.
constexpr DWORD kWindowsTimeoutMs = 30000;
constexpr DWORD kProbeCallTimeoutMs = 15000;

}  // namespace

RunningTrayhush::RunningTrayhush(ProcessGroup& group, std::wstring exePath, std::wstring probePath)
    : group_(group), exePath_(std::move(exePath)), probePath_(std::move(probePath)) {}

RunningTrayhush::~RunningTrayhush() { UnloadProbe(); }

bool RunningTrayhush::Start(std::wstring* error) {
    process_ = group_.Start(exePath_, L"", L"", error);
    if (!process_) return false;
    const bool found = WaitUntil(
        [&] {
            if (!mainWindow_) mainWindow_ = FindMainWindow(process_.id);
            if (!trayWindow_) trayWindow_ = FindTrayWindow(process_.id);
            return (mainWindow_ && trayWindow_) || !process_.Running();
        },
        kWindowsTimeoutMs);
    if (!process_.Running()) {
        DWORD code = 0;
        process_.WaitForExit(0, &code);
        *error = L"Trayhush.exe ended during start-up with exit code " + std::to_wstring(code);
        return false;
    }
    if (!found) {
        *error = std::wstring(L"Trayhush.exe showed no ") + (mainWindow_ ? L"tray" : L"main") +
                 L" window within " + std::to_wstring(kWindowsTimeoutMs / 1000) + L" s";
        return false;
    }
    return true;
}

bool RunningTrayhush::LoadProbe(std::wstring* error) {
    if (probe_ && probe_->Loaded()) return true;
    probe_ = std::make_unique<RemoteLibrary>(process_.id, probePath_);
    if (probe_->Loaded()) return true;
    *error = L"cannot load " + probePath_ + L" into Trayhush.exe: " + probe_->Error();
    return false;
}

bool RunningTrayhush::AnnounceMediaInserted(wchar_t letter, std::wstring* error) {
    if (!LoadProbe(error)) return false;
    DWORD done = 0;
    if (!probe_->Call("ThAnnounceMediaInserted", letter, kProbeCallTimeoutMs, &done)) {
        *error = L"the media notification could not be raised in Trayhush.exe: " + probe_->Error();
        return false;
    }
    if (!done) *error = L"the probe refused the drive letter";
    return done != 0;
}

bool RunningTrayhush::TrayIconId(UINT* id, std::wstring* error) {
    if (!LoadProbe(error)) return false;
    DWORD value = 0;
    if (!probe_->Call("ThTrayIconId", reinterpret_cast<UINT_PTR>(trayWindow_), kProbeCallTimeoutMs, &value)) {
        *error = L"the tray icon's identifier could not be asked: " + probe_->Error();
        return false;
    }
    *id = value;
    return true;
}

bool RunningTrayhush::WaitForReportedRoot(const std::wstring& root, DWORD timeoutMs) {
    return WaitUntil([&] { return ReportedRoot() == root; }, timeoutMs);
}

std::wstring RunningTrayhush::ReportedRoot() const {
    std::wstring root;
    if (!mainWindow_ || !ReadReportedRoot(mainWindow_, &root)) return L"<no answer>";
    return root;
}

void RunningTrayhush::UnloadProbe() { probe_.reset(); }

}  // namespace trayhush::e2e
