#pragma once
#include <string>

#include "platform/TextApi.h"

// Whether a running program, known by the full path of its executable, is the disc's
// autorun program: the path contains the name and lies on the inserted drive (its first
// three characters are the drive's root), letter case ignored as the system folds it. An
// empty name is no program, so it matches nothing.
bool IsDiscAutorunProcess(TextApi& text, const std::wstring& path, const std::wstring& name,
                          const std::wstring& driveRoot);
