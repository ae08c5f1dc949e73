#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "DemoDisc.h"
#include "DemoOptions.h"
#include "Timeline.h"
#include "harness/ProcessGroup.h"
#include "harness/RunningTrayhush.h"
#include "harness/WineDrive.h"

namespace trayhush::demo {

// Trayhush's main job, once, on a simulated machine: a DVD-Video disc with its own
// autorun program goes into a CD-ROM drive while Trayhush runs with its default settings;
// the disc's program is started from the drive as AutoRun would, and Trayhush ends it and
// starts the registered DVD player instead. Everything the demonstration starts or
// defines is taken down again, also when a step fails.
class Demonstration {
public:
    Demonstration(const DemoOptions& options, const Timeline& timeline);
    ~Demonstration();
    Demonstration(const Demonstration&) = delete;
    Demonstration& operator=(const Demonstration&) = delete;

    // 0 when Trayhush did its job, 1 otherwise.
    int Run();

private:
    bool PrepareMachine();
    bool StartTrayhush();
    bool InsertDisc();
    bool WaitForDetection();
    bool WaitForPlayer();
    bool RunAutorunProgram();
    bool OpenMainWindow();
    void TakeScreenshot();
    void TakeDown();

    std::wstring Root() const { return std::wstring(1, letter_) + L":\\"; }

    const DemoOptions& options_;
    const Timeline& timeline_;
    e2e::ProcessGroup group_;
    wchar_t letter_ = 0;
    std::unique_ptr<testsupport::WineCdDrive> drive_;
    std::unique_ptr<DemoDisc> disc_;
    std::unique_ptr<e2e::RunningTrayhush> trayhush_;
    ULONGLONG insertedAt_ = 0;
    UINT iconId_ = 0;
    bool takenDown_ = false;
};

}  // namespace trayhush::demo
