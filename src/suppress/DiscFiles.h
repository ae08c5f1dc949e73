#pragma once
#include <optional>
#include <string>

#include "platform/FileSystemApi.h"

// The name of the normal file at path (read-only and archive files count, hidden, system
// files and folders do not), "" when there is none, or nothing when the drive cannot be
// read at all (not ready, gone).
std::optional<std::wstring> FindNormalFile(FileSystemApi& files, const std::wstring& path);

// Whether the normal file at path is there under the expected name, in any letter case.
// A drive that cannot be read has no files.
bool DiscHasFile(FileSystemApi& files, const std::wstring& path, const std::wstring& expectedName);
