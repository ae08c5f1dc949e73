#include "e2e/TrayhushScenario.h"

#include <stdexcept>

#include "e2e/support/ArtifactPaths.h"
#include "harness/RegistryState.h"
#include "e2e/support/ShiftKey.h"
#include "harness/WinePaths.h"

namespace trayhush::e2e {
namespace {

// The first program with windows in a session also waits for Wine's desktop to start.
constexpr DWORD kWatchingTimeoutMs = 30000;
constexpr DWORD kAnnounceRetryMs = 500;
constexpr DWORD kGentleCloseMs = 5000;

// Letters far from those a Wine prefix or a developer's machine uses.
bool TakeFreeLetter(wchar_t* letter, wchar_t below) {
    const DWORD used = GetLogicalDrives();
    for (wchar_t candidate = below - 1; candidate >= L'D'; --candidate) {
        if (used & (1u << (candidate - L'A'))) continue;
        *letter = candidate;
        return true;
    }
    return false;
}

}  // namespace

std::string Narrow(const std::wstring& text) { return testsupport::toUtf8(text); }

void TrayhushScenario::SetUp() {
    ASSERT_TRUE(testsupport::isRunningUnderWine()) << "the scenarios need Wine's mount manager";
    trayhushExe_ = ArtifactPath(L"TH_EXE", L"Trayhush.exe");
    sleeperExe_ = ArtifactPath(L"TH_SLEEPER", L"th_sleeper.exe");
    probeDll_ = ArtifactPath(L"TH_NOTIFY_PROBE", L"th_notify_probe.dll");
    ASSERT_FALSE(trayhushExe_.empty()) << "Trayhush.exe not found (TH_EXE, or beside th_e2e.exe)";
    ASSERT_FALSE(sleeperExe_.empty()) << "th_sleeper.exe not found (TH_SLEEPER, or beside th_e2e.exe)";
    ASSERT_FALSE(probeDll_.empty()) << "th_notify_probe.dll not found (TH_NOTIFY_PROBE, or beside th_e2e.exe)";

    ForgetEverything();
    ReleaseShift();
    ASSERT_TRUE(TakeFreeLetter(&discLetter_, L'Y')) << "no free drive letter";
    ASSERT_TRUE(TakeFreeLetter(&probeLetter_, discLetter_)) << "no second free drive letter";
    try {
        discDrive_ = std::make_unique<testsupport::WineCdDrive>(discLetter_, L"");
        probeDrive_ = std::make_unique<testsupport::WineCdDrive>(probeLetter_, L"");
    } catch (const std::exception& failure) {
        FAIL() << "cannot define the empty CD-ROM drives: " << failure.what();
    }
}

void TrayhushScenario::TearDown() {
    // Gently first: the program's own exit releases Shift and takes its icon away.
    if (trayhush_) {
        trayhush_->UnloadProbe();
        if (trayhush_->Process().Running() && trayhush_->MainWindow()) {
            PostMessageW(trayhush_->MainWindow(), WM_CLOSE, 0, 0);
            trayhush_->Process().WaitForExit(kGentleCloseMs);
        }
    }
    group_.EndAll();
    trayhush_.reset();
    ReleaseShift();
    discDrive_.reset();
    probeDrive_.reset();
    disc_.reset();
    probeDisc_.reset();
    ForgetEverything();
}

void TrayhushScenario::UseDetectionMethodTwo() {
    methodTwo_ = true;
    StoreSetting(L"DetectionMethod", 1);
}

void TrayhushScenario::UseBlockMethodTwo() {
    UseDetectionMethodTwo();
    StoreSetting(L"BlockMethod", 1);
}

void TrayhushScenario::StoreSetting(const wchar_t* name, DWORD value) { StoreNumberSetting(name, value); }

void TrayhushScenario::StoreSetting(const wchar_t* name, const std::wstring& value) {
    StoreTextSetting(name, value);
}

void TrayhushScenario::StartTrayhush() {
    trayhush_ = std::make_unique<RunningTrayhush>(group_, trayhushExe_, probeDll_);
    std::wstring error;
    ASSERT_TRUE(trayhush_->Start(&error)) << Narrow(error);
    ASSERT_NO_FATAL_FAILURE(WaitUntilWatching());
}

// Start-up shows nothing when it is done, but a disc reported afterwards proves that
// detection runs: this one only has a label, so Trayhush reports it and does nothing more.
void TrayhushScenario::WaitUntilWatching() {
    DiscContents nothing;
    nothing.videoTs = false;
    nothing.autorunInf = false;
    probeDisc_ = std::make_unique<DiscFolder>(nothing);
    ASSERT_TRUE(probeDisc_->Error().empty()) << Narrow(probeDisc_->Error());
    try {
        probeDrive_->insert(probeDisc_->UnixPath(), L"PROBE");
    } catch (const std::exception& failure) {
        FAIL() << "cannot insert the probe disc: " << failure.what();
    }
    const std::wstring probeRoot = std::wstring(1, probeLetter_) + L":\\";
    if (methodTwo_ && trayhush_->WaitForReportedRoot(probeRoot, kAnnounceRetryMs)) return;
    std::wstring error;
    bool inserted = true;
    // Repeated until one is seen: a label recorded, or a notification raised, before the
    // program's detection ran is lost, as it would be on Windows.
    const bool watching = WaitUntil(
        [&] {
            if (methodTwo_) {
                // Every change of the label counts, so the probe disc goes in and out.
                try {
                    if (inserted)
                        probeDrive_->eject();
                    else
                        probeDrive_->insert(probeDisc_->UnixPath(), L"PROBE");
                    inserted = !inserted;
                } catch (const std::exception& failure) {
                    error = testsupport::fromUtf8(failure.what());
                    return true;
                }
            } else if (!trayhush_->AnnounceMediaInserted(probeLetter_, &error)) {
                return true;
            }
            return trayhush_->WaitForReportedRoot(probeRoot, kAnnounceRetryMs);
        },
        kWatchingTimeoutMs, 0);
    ASSERT_TRUE(error.empty()) << Narrow(error);
    ASSERT_TRUE(watching) << "Trayhush never reported the probe disc in " << Narrow(probeRoot) << " within "
                          << kWatchingTimeoutMs / 1000 << " s (detection method "
                          << (methodTwo_ ? "two" : "one") << "); it shows \""
                          << Narrow(trayhush_->ReportedRoot()) << "\"";
}

void TrayhushScenario::InsertDisc(const DiscContents& contents) {
    DiscContents withProgram = contents;
    if (withProgram.programSource.empty()) withProgram.programSource = sleeperExe_;
    disc_ = std::make_unique<DiscFolder>(withProgram);
    ASSERT_TRUE(disc_->Error().empty()) << Narrow(disc_->Error());
    try {
        discDrive_->insert(disc_->UnixPath(), L"TRAYHUSH_E2E");
    } catch (const std::exception& failure) {
        FAIL() << "cannot insert the disc: " << failure.what();
    }
    ASSERT_NO_FATAL_FAILURE(ReportInsertion(discLetter_));
}

void TrayhushScenario::ReportInsertion(wchar_t letter) {
    const std::wstring root = std::wstring(1, letter) + L":\\";
    if (!methodTwo_) {
        std::wstring error;
        ASSERT_TRUE(trayhush_->AnnounceMediaInserted(letter, &error)) << Narrow(error);
    }
    ASSERT_TRUE(trayhush_->WaitForReportedRoot(root, kReportTimeoutMs))
        << "Trayhush did not report the disc in " << Narrow(root) << " within " << kReportTimeoutMs / 1000
        << " s; it shows \"" << Narrow(trayhush_->ReportedRoot()) << "\"";
}

void TrayhushScenario::EjectDisc() {
    try {
        discDrive_->eject();
    } catch (const std::exception& failure) {
        FAIL() << "cannot eject the disc: " << failure.what();
    }
}

StartedProcess TrayhushScenario::StartAutorunProgram() {
    std::wstring error;
    const StartedProcess program = group_.Start(Root() + L"SETUP.EXE", L"", Root(), &error);
    EXPECT_TRUE(program) << Narrow(error);
    return program;
}

void TrayhushScenario::ExpectKilled(const StartedProcess& program) {
    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForExit(kKillTimeoutMs, &exitCode))
        << Narrow(Root()) << "SETUP.EXE was still running " << kKillTimeoutMs / 1000
        << " s after it started: Trayhush did not end it";
    EXPECT_EQ(exitCode, 0u) << "it ended, but not through Trayhush's termination with exit code 0 "
                               "(the stand-in ends by itself with 7)";
}

void TrayhushScenario::ExpectLeftAlone(const StartedProcess& program) {
    DWORD exitCode = 0;
    EXPECT_FALSE(program.WaitForExit(kLeftAloneMs, &exitCode))
        << Narrow(Root()) << "SETUP.EXE ended (exit code " << exitCode << ") though Trayhush must leave it alone";
}

}  // namespace trayhush::e2e
