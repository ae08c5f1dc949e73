#include "harness/ArtifactPaths.h"

#include <windows.h>

#include <vector>

#include "harness/WinePaths.h"

namespace trayhush::e2e {
namespace {

std::wstring Environment(const wchar_t* name) {
    std::vector<wchar_t> buffer(32768);
    const DWORD n = GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
    return n > 0 && n < buffer.size() ? std::wstring(buffer.data(), n) : std::wstring();
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::wstring ProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            const std::wstring full(path.data(), n);
            return full.substr(0, full.find_last_of(L"\\/"));
        }
        path.resize(path.size() * 2);
    }
}

std::wstring ArtifactPath(const wchar_t* environmentVariable, const wchar_t* fileName) {
    std::wstring path = Environment(environmentVariable);
    if (!path.empty() && path[0] == L'/') path = testsupport::unixToWindowsPath(path);
    if (path.empty()) path = ProgramFolder() + L"\\" + fileName;
    return IsFile(path) ? path : std::wstring();
}

}  // namespace trayhush::e2e
