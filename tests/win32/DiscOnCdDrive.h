#pragma once
#include <windows.h>

#include <string>

#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "harness/TempFolder.h"
#include "harness/WineDrive.h"
#include "runtime/ErrorMode.h"
#include "platform/win32/Win32FileSystemApi.h"
#include "platform/win32/Win32ProcessApi.h"

// A CD-ROM drive of Wine's mount manager whose disc is a folder of the test, and a main
// window that reads it through the real file system and finds processes through the real
// calls; its other services are fakes. The window watches every drive and blocks by ending
// the disc's program.
struct DiscOnCdDrive {
    DiscOnCdDrive() {
        SuppressCriticalErrorDialogs();
        form.Check[4].SetValue(0);
        form.FillDriveList();
        form.SelectAllDrives();
    }
    // A DVD-Video disc whose autorun.inf holds the given text.
    bool Burn(const std::string& autorunInf) const {
        return disc.Write(L"AUTORUN.INF", autorunInf) && disc.Write(L"VIDEO_TS\\VIDEO_TS.IFO", "DVDVIDEO-VMG");
    }
    std::wstring Root() const { return drive.root(); }

    TempFolder disc{L"th-disc-"};
    trayhush::testsupport::WineCdDrive drive{trayhush::testsupport::FreeDriveLetterBelow(L'Z'), trayhush::testsupport::windowsToUnixPath(disc.Path()),
                                             L"", trayhush::testsupport::WineCdDrive::Announce::No};
    Win32FileSystemApi files;
    Win32ProcessApi processes;
    FakePlatform fake;
    Platform platform{fake.registry, files, processes, fake.keyboard, fake.shell,
                      fake.hooks,    fake.system, fake.ui,   fake.text};
    Form1 form{platform};
};
