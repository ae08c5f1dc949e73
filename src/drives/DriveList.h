#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystemApi.h"

// The entries of the drives that report as CD-ROM drives, in letter order: "D:", "E:", ...
std::vector<std::wstring> CdromDriveEntries(FileSystemApi& files);

// The index of the entry whose drive a path lies on, if the list has one.
std::optional<int> FindDriveEntry(const std::vector<std::wstring>& entries, const std::wstring& path);
