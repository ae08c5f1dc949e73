#include "harness/WineDrive.h"

#include "harness/WineMountManager.h"

#include <stdexcept>

namespace trayhush::testsupport {
namespace {

constexpr int kDefineAttempts = 20;
constexpr DWORD kDefineRetryMs = 100;

[[noreturn]] void throwFailure(const std::wstring& what, DWORD error) {
    throw std::runtime_error(toUtf8(what + L": " + describeWin32Error(error)));
}

}  // namespace

wchar_t FreeDriveLetterBelow(wchar_t below) {
    const DWORD used = GetLogicalDrives();
    for (wchar_t letter = below - 1; letter >= L'D'; --letter)
        if (!(used & (1u << (letter - L'A')))) return letter;
    throw std::runtime_error("no free drive letter");
}

WineCdDrive::WineCdDrive(wchar_t letter, const std::wstring& unixFolder, const std::wstring& label,
                         Announce announce)
    : letter_(letter), announce_(announce) {
    define(unixFolder, label);
}

WineCdDrive::~WineCdDrive() {
    // Destructors must not throw; a drive left behind is removed with the
    // prefix at the end of the run anyway.
    if (removeWineDrive(letter_) == ERROR_SUCCESS && announce_ == Announce::Yes)
        announceVolumeChange(letter_, VolumeChange::DriveRemoved);
}

void WineCdDrive::insert(const std::wstring& unixFolder, const std::wstring& label) {
    define(unixFolder, label);
}

void WineCdDrive::eject() {
    define(L"", L"");
}

void WineCdDrive::define(const std::wstring& unixFolder, const std::wstring& label) {
    std::wstring drive = std::wstring(L"drive ") + letter_;
    if (unixFolder.empty() && !label.empty())
        throwFailure(drive + L": a drive without a medium cannot carry a label", ERROR_INVALID_PARAMETER);
    if (!label.empty()) {
        if (DWORD error = writeWineVolumeLabel(unixFolder, label))
            throwFailure(L"cannot write the label into " + unixFolder, error);
    }
    // The mount manager may still be letting go of this letter's last definition, made by
    // another drive object a moment ago: it then finds no path for a while.
    DWORD error = defineWineCdRomDrive(letter_, unixFolder);
    for (int attempt = 0; error == ERROR_PATH_NOT_FOUND && attempt < kDefineAttempts; ++attempt) {
        Sleep(kDefineRetryMs);
        error = defineWineCdRomDrive(letter_, unixFolder);
    }
    if (error) throwFailure(L"cannot define " + drive, error);

    bool hadMedium = hasMedium_;
    hasMedium_ = !unixFolder.empty();
    if (announce_ == Announce::No) return;
    if (hasMedium_) {
        announceVolumeChange(letter_, VolumeChange::MediaArrived);
    } else if (hadMedium) {
        announceVolumeChange(letter_, VolumeChange::MediaRemoved);
    }
}

}  // namespace trayhush::testsupport
