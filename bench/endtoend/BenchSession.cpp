#include "BenchSession.h"

#include <stdexcept>

#include "e2e/support/ArtifactPaths.h"
#include "harness/RegistryState.h"
#include "e2e/support/ShiftKey.h"
#include "harness/WineMountManager.h"
#include "harness/WinePaths.h"

namespace trayhush::bench {
namespace {

constexpr DWORD kWatchingTimeoutMs = 30000;
constexpr DWORD kAnnounceRetryMs = 500;
constexpr DWORD kCloseTimeoutMs = 10000;

wchar_t FreeLetterBelow(wchar_t below) {
    const DWORD used = GetLogicalDrives();
    for (wchar_t candidate = below - 1; candidate >= L'D'; --candidate)
        if (!(used & (1u << (candidate - L'A')))) return candidate;
    throw std::runtime_error("no free drive letter");
}

std::wstring Needed(const wchar_t* variable, const wchar_t* fileName) {
    std::wstring path = e2e::ArtifactPath(variable, fileName);
    if (path.empty()) throw std::runtime_error(testsupport::toUtf8(fileName) + " not found beside the benchmark");
    return path;
}

}  // namespace

BenchSession::BenchSession() {
    trayhushExe_ = Needed(L"TH_EXE", L"Trayhush.exe");
    probeDll_ = Needed(L"TH_NOTIFY_PROBE", L"th_notify_probe.dll");
    sleeper = Needed(L"TH_SLEEPER", L"th_sleeper.exe");
    minimalTray = Needed(L"TH_MINIMAL_TRAY", L"th_minimal_tray.exe");
    volumeFloor = Needed(L"TH_VOLUME_FLOOR", L"bench_volume_floor.exe");
    e2e::ForgetEverything();
    e2e::DiscContents dvd;
    dvd.programSource = sleeper;
    disc_ = std::make_unique<e2e::DiscFolder>(dvd);
    e2e::DiscContents labelOnly;
    labelOnly.videoTs = labelOnly.autorunInf = false;
    labelDisc_ = std::make_unique<e2e::DiscFolder>(labelOnly);
    if (!disc_->Error().empty() || !labelDisc_->Error().empty())
        throw std::runtime_error(testsupport::toUtf8(disc_->Error() + labelDisc_->Error()));
    if (testsupport::writeWineVolumeLabel(disc_->UnixPath(), L"BENCH_DVD") ||
        testsupport::writeWineVolumeLabel(labelDisc_->UnixPath(), L"BENCH_LABEL"))
        throw std::runtime_error("cannot label the disc folders");
    discLetter_ = FreeLetterBelow(L'Y');
    labelLetter_ = FreeLetterBelow(discLetter_);
    discDrive_ = std::make_unique<testsupport::WineCdDrive>(discLetter_, L"");
    labelDrive_ = std::make_unique<testsupport::WineCdDrive>(labelLetter_, L"");
}

BenchSession::~BenchSession() {
    CloseTrayhush();
    group_.EndAll();
    e2e::ReleaseShift();
    discDrive_.reset();
    labelDrive_.reset();
    e2e::ForgetEverything();
}

void BenchSession::StartTrayhush(bool detectionMethodTwo) {
    e2e::ForgetEverything();
    e2e::StoreNumberSetting(L"DetectionMethod", detectionMethodTwo ? 1 : 0);
    trayhush_ = std::make_unique<e2e::RunningTrayhush>(group_, trayhushExe_, probeDll_);
    std::wstring error;
    if (!trayhush_->Start(&error)) throw std::runtime_error(testsupport::toUtf8(error));
    // A report that comes before detection runs is lost: repeat until one is seen.
    EjectLabelDisc();
    bool inserted = false;
    const bool watching = e2e::WaitUntil(
        [&] {
            if (detectionMethodTwo) {
                inserted ? EjectLabelDisc() : InsertLabelDisc();
                inserted = !inserted;
                if (!inserted) return false;
            } else {
                if (!inserted) InsertLabelDisc();
                inserted = true;
                if (!trayhush_->AnnounceMediaInserted(labelLetter_, &error))
                    throw std::runtime_error(testsupport::toUtf8(error));
            }
            return trayhush_->WaitForReportedRoot(LabelRoot(), kAnnounceRetryMs);
        },
        kWatchingTimeoutMs, 0);
    if (!watching) throw std::runtime_error("Trayhush never reported a disc");
}

void BenchSession::CloseTrayhush() {
    if (!trayhush_) return;
    trayhush_->UnloadProbe();
    if (trayhush_->Process().Running() && trayhush_->MainWindow()) {
        PostMessageW(trayhush_->MainWindow(), WM_CLOSE, 0, 0);
        trayhush_->Process().WaitForExit(kCloseTimeoutMs);
    }
    trayhush_.reset();
}

}  // namespace trayhush::bench
