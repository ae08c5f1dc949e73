#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "e2e/support/DiscFolder.h"
#include "harness/ProcessGroup.h"
#include "harness/RunningTrayhush.h"
#include "harness/WineDrive.h"

namespace trayhush::bench {

// The machine the benchmarks run on: two CD-ROM drives, one holding a DVD-Video disc whose
// autorun program is the tests' sleeper, the other a disc with only a label, so that a
// report of either changes what Trayhush shows. Everything goes when the session goes.
class BenchSession {
public:
    BenchSession();
    ~BenchSession();

    // Starts Trayhush with the stored detection method and waits until it reports discs.
    void StartTrayhush(bool detectionMethodTwo);
    void CloseTrayhush();
    e2e::RunningTrayhush& Trayhush() { return *trayhush_; }
    e2e::ProcessGroup& Group() { return group_; }
    const std::wstring& trayhushExe() const { return trayhushExe_; }
    const std::wstring& probeDll() const { return probeDll_; }

    std::wstring DiscRoot() const { return std::wstring(1, discLetter_) + L":\\"; }
    std::wstring LabelRoot() const { return std::wstring(1, labelLetter_) + L":\\"; }
    wchar_t DiscLetter() const { return discLetter_; }
    wchar_t LabelLetter() const { return labelLetter_; }
    // The labels were written once, while no drive showed the folders: written through a
    // drive that shows them, they would land on a read-only CD-ROM.
    void InsertDisc() { discDrive_->insert(disc_->UnixPath()); }
    void EjectDisc() { discDrive_->eject(); }
    void InsertLabelDisc() { labelDrive_->insert(labelDisc_->UnixPath()); }
    void EjectLabelDisc() { labelDrive_->eject(); }

    std::wstring sleeper;
    std::wstring minimalTray;
    std::wstring volumeFloor;

private:
    std::wstring trayhushExe_;
    std::wstring probeDll_;
    wchar_t discLetter_ = 0;
    wchar_t labelLetter_ = 0;
    e2e::ProcessGroup group_;
    std::unique_ptr<e2e::DiscFolder> disc_;
    std::unique_ptr<e2e::DiscFolder> labelDisc_;
    std::unique_ptr<testsupport::WineCdDrive> discDrive_;
    std::unique_ptr<testsupport::WineCdDrive> labelDrive_;
    std::unique_ptr<e2e::RunningTrayhush> trayhush_;
};

}  // namespace trayhush::bench
