#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/windowing/TrayApi.h"

// The icon record in the first, shortest NOTIFYICONDATAA layout, which every version of
// the shell accepts: 88 bytes in the 32-bit program.
NOTIFYICONDATAA ToNotifyIconData(const NotifyIconRecord& record);

// The first layout's 64-byte tip: the text in the ANSI code page (63 bytes at most, never
// half a character), a NUL, then blanks.
constexpr int kTipBytes = 64;
void FillTipBytes(const std::wstring& tipField, char* tip);
