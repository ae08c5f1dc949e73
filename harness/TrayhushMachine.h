#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "harness/DiscFolder.h"
#include "harness/ProcessGroup.h"
#include "harness/RunningTrayhush.h"
#include "harness/WineDrive.h"

namespace trayhush::e2e {

// A user's machine for the benchmarks and the end-to-end tests: two empty CD-ROM drives,
// a DVD-Video disc whose autorun program (SETUP.EXE) is th_sleeper, a disc with only a
// label, and the real Trayhush.exe. Settings, drives and programs go when the machine goes.
// Throws std::runtime_error when the machine cannot be set up.
class TrayhushMachine {
public:
    TrayhushMachine();
    ~TrayhushMachine();
    TrayhushMachine(const TrayhushMachine&) = delete;
    TrayhushMachine& operator=(const TrayhushMachine&) = delete;

    // Starts Trayhush over settings that hold only the given methods, and waits until its
    // detection reports discs (the label disc, announced or polled until one is seen).
    void StartTrayhush(bool detectionMethodTwo, bool blockMethodTwo = false);
    // As a user closes it: through its window, waited for.
    void CloseTrayhush();
    RunningTrayhush& Trayhush() { return *trayhush_; }
    ProcessGroup& Group() { return group_; }
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

private:
    std::wstring trayhushExe_;
    std::wstring probeDll_;
    wchar_t discLetter_ = 0;
    wchar_t labelLetter_ = 0;
    ProcessGroup group_;
    std::unique_ptr<DiscFolder> disc_;
    std::unique_ptr<DiscFolder> labelDisc_;
    std::unique_ptr<testsupport::WineCdDrive> discDrive_;
    std::unique_ptr<testsupport::WineCdDrive> labelDrive_;
    std::unique_ptr<RunningTrayhush> trayhush_;
};

// A built file the machine's user needs, as ArtifactPath finds it; throws when it is missing.
std::wstring NeededArtifact(const wchar_t* variable, const wchar_t* fileName);

}  // namespace trayhush::e2e
