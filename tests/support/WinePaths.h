#pragma once

#include <string>

namespace trayhush::testsupport {

// Tests that need Wine-only facilities (unix drives, the mount manager
// extensions) skip themselves on real Windows instead of failing.
bool isRunningUnderWine();

// Unix paths travel as wide strings so that callers holding Win32 strings
// (argv, environment, GetTempPathW) need no conversion of their own.
// Both return an empty string when the path cannot be mapped, e.g. when not
// running under Wine or when no drive letter reaches the unix folder.
std::wstring unixToWindowsPath(const std::wstring& unixPath);
std::wstring windowsToUnixPath(const std::wstring& windowsPath);

std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);

}  // namespace trayhush::testsupport
