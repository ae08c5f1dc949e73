#pragma once
#include <windows.h>

#include <string>

namespace trayhush::e2e {

// The registry as Trayhush reads it: its settings, the Run entry and the shell's DVD verb.
// A scenario starts from none of them and leaves none behind.

// Removes the settings (machine and per-user), the Run value "Trayhush" and HKCR\DVD.
void ForgetEverything();

void StoreNumberSetting(const wchar_t* name, DWORD value);
void StoreTextSetting(const wchar_t* name, const std::wstring& value);
// The value, or nothing when it is absent or not a REG_SZ.
bool ReadRunValue(std::wstring* value);

// HKCR\DVD\shell = verb, HKCR\DVD\shell\<verb>\command = commandLine.
bool RegisterDefaultDvdCommand(const std::wstring& verb, const std::wstring& commandLine);

}  // namespace trayhush::e2e
