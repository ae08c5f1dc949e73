#pragma once
#include <string>
#include <vector>

// The stored "Drivelist": the letters of the selected entries in list order, or ":" when
// none is selected; never empty.
std::wstring FormatDriveSelection(const std::vector<std::wstring>& entries,
                                  const std::vector<bool>& selected);

// Whether an entry is selected by a stored text that is neither empty nor ":": its first
// character occurs in the text, letter case counting.
bool DriveSelectedBy(const std::wstring& entry, const std::wstring& stored);

constexpr wchar_t kNoDrivesSelected[] = L":";
