#pragma once
#include <string>

namespace trayhush::e2e {

// A built file the scenarios need, as a full Windows path: the environment variable
// names it (ctest passes unix paths, which Wine maps to a drive), otherwise it is
// fileName beside this program. Empty when the file does not exist.
std::wstring ArtifactPath(const wchar_t* environmentVariable, const wchar_t* fileName);

// The folder of this program, without a trailing backslash.
std::wstring ProgramFolder();

}  // namespace trayhush::e2e
