// th_demo: Trayhush blocking a DVD's autorun under Wine, told as a timeline.
#include <windows.h>

#include <cstdio>

#include "DemoOptions.h"
#include "Demonstration.h"
#include "Timeline.h"
#include "harness/WinePaths.h"

int wmain(int argc, wchar_t** argv) {
    // A missing disc or file must fail a call, not open a dialog nobody can answer.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    trayhush::demo::DemoOptions options;
    std::wstring error;
    if (!trayhush::demo::ParseDemoOptions(argc, argv, &options, &error)) {
        std::fwprintf(stderr, L"th_demo: %ls\n%ls", error.c_str(), trayhush::demo::DemoUsage());
        return 2;
    }
    if (!trayhush::testsupport::isRunningUnderWine()) {
        std::fwprintf(stderr, L"th_demo: needs Wine: it simulates the CD-ROM drive with Wine's mount manager\n");
        return 2;
    }
    const trayhush::demo::Timeline timeline;
    trayhush::demo::Demonstration demonstration(options, timeline);
    return demonstration.Run();
}
