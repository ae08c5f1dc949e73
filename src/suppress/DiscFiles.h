#pragma once
#include <optional>
#include <string>

#include "platform/FileSystemApi.h"
#include "platform/TextApi.h"

// The name of the file at path, "" when there is none or it is a folder, or nothing when the
// drive cannot be read at all (not ready, gone). Hidden and system files count: discs often
// carry their autorun file so marked, and the shell's AutoRun honours it all the same.
std::optional<std::wstring> FindDiscFile(FileSystemApi& files, const std::wstring& path);

// Whether the file at path is there under the expected name, in any letter case.
// A drive that cannot be read has no files.
bool DiscHasFile(FileSystemApi& files, TextApi& text, const std::wstring& path,
                 const std::wstring& expectedName);
