#include "TestCdDrive.h"

#include <stdexcept>

#include "harness/WinePaths.h"

using trayhush::testsupport::WineCdDrive;

namespace {

// From the back of the alphabet, away from the drives a prefix has of its own; never Z:,
// through which Wine reaches the unix file system.
wchar_t FreeLetter() {
    const DWORD used = ::GetLogicalDrives();
    for (wchar_t letter = L'Y'; letter >= L'K'; --letter)
        if (!(used & (1u << (letter - L'A')))) return letter;
    return 0;
}

}  // namespace

TestCdDrive::TestCdDrive(const std::wstring& discFolder) {
    if (!trayhush::testsupport::isRunningUnderWine()) {
        error_ = "CD-ROM drives are defined through Wine's mount manager";
        return;
    }
    const wchar_t letter = FreeLetter();
    if (letter == 0) {
        error_ = "no free drive letter";
        return;
    }
    std::wstring unixFolder;
    if (!discFolder.empty()) {
        unixFolder = trayhush::testsupport::windowsToUnixPath(discFolder);
        if (unixFolder.empty()) {
            error_ = "the disc folder has no unix path";
            return;
        }
    }
    try {
        drive_ = std::make_unique<WineCdDrive>(letter, unixFolder, L"", WineCdDrive::Announce::No);
    } catch (const std::runtime_error& e) {
        error_ = e.what();
    }
}
