#include "harness/TrayhushMachine.h"

#include <stdexcept>

#include "harness/ArtifactPaths.h"
#include "harness/RegistryState.h"
#include "harness/ShiftKey.h"
#include "harness/WineMountManager.h"
#include "harness/WinePaths.h"

namespace trayhush::e2e {
namespace {

constexpr DWORD kWatchingTimeoutMs = 30000;
constexpr DWORD kAnnounceRetryMs = 500;
constexpr DWORD kCloseTimeoutMs = 10000;

}  // namespace

std::wstring NeededArtifact(const wchar_t* variable, const wchar_t* fileName) {
    std::wstring path = ArtifactPath(variable, fileName);
    if (path.empty())
        throw std::runtime_error(testsupport::toUtf8(fileName) + " not found (" + testsupport::toUtf8(variable) +
                                 ", or beside this program)");
    return path;
}

TrayhushMachine::TrayhushMachine() {
    trayhushExe_ = NeededArtifact(L"TH_EXE", L"Trayhush.exe");
    probeDll_ = NeededArtifact(L"TH_NOTIFY_PROBE", L"th_notify_probe.dll");
    sleeper = NeededArtifact(L"TH_SLEEPER", L"th_sleeper.exe");
    ForgetEverything();
    DiscContents dvd;
    dvd.programSource = sleeper;
    dvd.label = L"BENCH_DVD";
    disc_ = std::make_unique<DiscFolder>(dvd);
    DiscContents labelOnly;
    labelOnly.videoTs = labelOnly.autorunInf = false;
    labelOnly.label = L"BENCH_LABEL";
    labelDisc_ = std::make_unique<DiscFolder>(labelOnly);
    if (!disc_->Error().empty() || !labelDisc_->Error().empty())
        throw std::runtime_error(testsupport::toUtf8(disc_->Error() + labelDisc_->Error()));
    discLetter_ = testsupport::FreeDriveLetterBelow(L'Y');
    labelLetter_ = testsupport::FreeDriveLetterBelow(discLetter_);
    discDrive_ = std::make_unique<testsupport::WineCdDrive>(discLetter_, L"");
    labelDrive_ = std::make_unique<testsupport::WineCdDrive>(labelLetter_, L"");
}

TrayhushMachine::~TrayhushMachine() {
    CloseTrayhush();
    group_.EndAll();
    ReleaseShift();
    discDrive_.reset();
    labelDrive_.reset();
    ForgetEverything();
}

void TrayhushMachine::StartTrayhush(bool detectionMethodTwo, bool blockMethodTwo) {
    ForgetEverything();
    StoreNumberSetting(L"DetectionMethod", detectionMethodTwo ? 1 : 0);
    StoreNumberSetting(L"BlockMethod", blockMethodTwo ? 1 : 0);
    trayhush_ = std::make_unique<RunningTrayhush>(group_, trayhushExe_, probeDll_);
    std::wstring error;
    if (!trayhush_->Start(&error)) throw std::runtime_error(testsupport::toUtf8(error));
    // A report that comes before detection runs is lost: repeat until one is seen.
    EjectLabelDisc();
    bool inserted = false;
    const bool watching = WaitUntil(
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

void TrayhushMachine::CloseTrayhush() {
    if (!trayhush_) return;
    trayhush_->UnloadProbe();
    if (trayhush_->Process().Running() && trayhush_->MainWindow()) {
        PostMessageW(trayhush_->MainWindow(), WM_CLOSE, 0, 0);
        trayhush_->Process().WaitForExit(kCloseTimeoutMs);
    }
    trayhush_.reset();
}

}  // namespace trayhush::bench
