#pragma once

#include <string>

namespace trayhush::testsupport {

// Tests that need Wine-only facilities (unix drives, the mount manager
// extensions) skip themselves on real Windows instead of failing.
bool isRunningUnderWine();

// Unix paths travel as wide strings so that callers holding Win32 strings
// (argv, environment, GetTempPathW) need no conversion of their own.
// Both return an empty string when not running under Wine or when Wine
// refuses the path. A unix path no drive letter reaches comes back as
// \\?\unix\..., which the file APIs accept but which is not a drive path.
std::wstring unixToWindowsPath(const std::wstring& unixPath);
std::wstring windowsToUnixPath(const std::wstring& windowsPath);

std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);

}  // namespace trayhush::testsupport
