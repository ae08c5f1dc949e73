#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "harness/WineDrive.h"

// A CD-ROM drive at a free letter for the length of a test: the disc in it is the given
// Windows folder, or with no folder the drive is empty.
class TestCdDrive {
public:
    explicit TestCdDrive(const std::wstring& discFolder);

    // "", or why the drive could not be defined.
    const std::string& Error() const { return error_; }
    // "R:\" for drive R.
    std::wstring Root() const { return drive_ ? drive_->root() : L""; }

private:
    std::unique_ptr<trayhush::testsupport::WineCdDrive> drive_;
    std::string error_;
};
