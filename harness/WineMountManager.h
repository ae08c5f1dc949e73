#pragma once

#include <windows.h>

#include <string>

namespace trayhush::testsupport {

// Drives are created through Wine's mount manager so that the running
// wineserver, the drive-type cache and every already-running process see
// them, and so that Wine broadcasts WM_DEVICECHANGE exactly as it does for
// real media. Each call returns ERROR_SUCCESS or a Win32 error code.

// An empty unixFolder defines a drive with no medium in it.
DWORD defineWineCdRomDrive(wchar_t letter, const std::wstring& unixFolder);
DWORD removeWineDrive(wchar_t letter);

// Wine takes a volume's label from <root>/.windows-label at the moment the
// drive is defined, so this must precede defineWineCdRomDrive. An empty label
// deletes the file. Keep labels ASCII: Wine decodes the file with the unix
// code page, which is not UTF-8 under the C locale used on CI.
DWORD writeWineVolumeLabel(const std::wstring& unixFolder, const std::wstring& label);

std::wstring describeWin32Error(DWORD error);

}  // namespace trayhush::testsupport
