#pragma once

#include "harness/VolumeBroadcast.h"
#include "harness/WinePaths.h"

#include <string>

namespace trayhush::testsupport {

// The highest letter below `below` that no drive uses, down to D:, away from a prefix's own
// drives and from Z:. Throws std::runtime_error when there is none.
wchar_t FreeDriveLetterBelow(wchar_t below);

// A CD-ROM drive that exists for the lifetime of the object, backed by a
// unix folder acting as the disc. Only usable under Wine: guard tests with
// isRunningUnderWine() and GTEST_SKIP() elsewhere.
class WineCdDrive {
public:
    enum class Announce { Yes, No };

    // An empty unixFolder gives a drive with no medium; an empty label leaves
    // the folder's own .windows-label, if any, in charge. Throws
    // std::runtime_error when Wine refuses the drive, so a test never runs
    // against a drive that is not there.
    WineCdDrive(wchar_t letter, const std::wstring& unixFolder, const std::wstring& label = L"",
                Announce announce = Announce::Yes);
    ~WineCdDrive();

    WineCdDrive(const WineCdDrive&) = delete;
    WineCdDrive& operator=(const WineCdDrive&) = delete;

    // Swapping discs redefines the same letter, which is also the only way to
    // make Wine re-read a label.
    void insert(const std::wstring& unixFolder, const std::wstring& label = L"");
    void eject();

    wchar_t letter() const { return letter_; }
    std::wstring root() const { return std::wstring(1, letter_) + L":\\"; }
    bool hasMedium() const { return hasMedium_; }

private:
    void define(const std::wstring& unixFolder, const std::wstring& label);

    wchar_t letter_;
    Announce announce_;
    bool hasMedium_ = false;
};

}  // namespace trayhush::testsupport
