#pragma once
#include <string>

namespace trayhush::demo {

// Where the demonstration finds its pieces, as Windows paths (unix paths are mapped).
struct DemoOptions {
    std::wstring trayhush;      // Trayhush.exe
    std::wstring probe;         // th_notify_probe.dll
    std::wstring discTemplate;  // the disc's files: VIDEO_TS\VIDEO_TS.IFO, AUTORUN.INF
    std::wstring autorun;       // the disc's autorun program, copied onto it as SETUP\\DEMOAUTO.EXE
    std::wstring player;        // registered as the default DVD command
    std::wstring screenshotReady;  // written when the screen is worth a picture
    std::wstring screenshotDone;   // awaited, bounded, before everything is taken down
};

// False, with *error, when an option is missing or unknown.
bool ParseDemoOptions(int argc, wchar_t** argv, DemoOptions* options, std::wstring* error);

const wchar_t* DemoUsage();

}  // namespace trayhush::demo
