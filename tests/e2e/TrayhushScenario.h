#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "e2e/support/DiscFolder.h"
#include "harness/ProcessGroup.h"
#include "harness/RunningTrayhush.h"
#include "harness/WineDrive.h"

namespace trayhush::e2e {

// One scenario of a user's machine: two empty CD-ROM drives that Trayhush lists when it
// starts (one for the scenario's disc, one for a disc that only tells when Trayhush is
// watching), settings stored beforehand, the real Trayhush.exe, and the disc's autorun
// program started from the drive as the shell would. Everything is taken down after the
// scenario, also when it fails.
class TrayhushScenario : public ::testing::Test {
protected:
    // A program left alone is still running after this long; a kill comes within a few of
    // the program's 1 ms scans. A bound of the test, not a claim about speed.
    static constexpr DWORD kLeftAloneMs = 3000;
    // Bounds for what must happen: generous, since Wine under load can be slow.
    static constexpr DWORD kKillTimeoutMs = 10000;
    static constexpr DWORD kReportTimeoutMs = 10000;

    void SetUp() override;
    void TearDown() override;

    // Settings take effect at the next start; everything else is the program's default.
    void UseDetectionMethodTwo();
    void UseBlockMethodTwo();
    void StoreSetting(const wchar_t* name, DWORD value);
    void StoreSetting(const wchar_t* name, const std::wstring& value);

    // Starts Trayhush and waits until its detection runs: a probe disc inserted into the
    // second drive has been reported. Fails the scenario when it does not get there.
    void StartTrayhush();

    // Puts a disc into the scenario's drive and lets Trayhush learn of it as the shell or
    // its polling would; returns once Trayhush has handled the report.
    void InsertDisc(const DiscContents& contents = DiscContents{});
    void EjectDisc();
    // The disc's program, started from the drive as AutoRun would start it.
    StartedProcess StartAutorunProgram();

    void ExpectKilled(const StartedProcess& program);
    void ExpectLeftAlone(const StartedProcess& program);

    std::wstring Root() const { return std::wstring(1, discLetter_) + L":\\"; }
    // The other listed drive, which only ever holds the probe disc.
    wchar_t ProbeLetter() const { return probeLetter_; }

    std::wstring trayhushExe_;
    std::wstring sleeperExe_;
    std::wstring probeDll_;
    ProcessGroup group_;
    std::unique_ptr<RunningTrayhush> trayhush_;

private:
    void WaitUntilWatching();
    void ReportInsertion(wchar_t letter);

    bool methodTwo_ = false;
    wchar_t probeLetter_ = 0;
    wchar_t discLetter_ = 0;
    std::unique_ptr<testsupport::WineCdDrive> probeDrive_;
    std::unique_ptr<testsupport::WineCdDrive> discDrive_;
    std::unique_ptr<DiscFolder> probeDisc_;
    std::unique_ptr<DiscFolder> disc_;
};

std::string Narrow(const std::wstring& text);

}  // namespace trayhush::e2e
