#include "suppress/DiscFiles.h"

#include <cwctype>

namespace {

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

}  // namespace

std::optional<std::wstring> FindDiscFile(FileSystemApi& files, const std::wstring& path) {
    std::wstring name;
    std::uint32_t attributes = 0;
    const long error = files.FindFile(path, &name, &attributes);
    if (error == kErrorFileNotFound || error == kErrorPathNotFound) return std::wstring();
    if (error != 0) return std::nullopt;
    if (attributes & kFileAttributeDirectory) return std::wstring();
    return name;
}

bool DiscHasFile(FileSystemApi& files, const std::wstring& path, const std::wstring& expectedName) {
    const std::optional<std::wstring> found = FindDiscFile(files, path);
    return found && Upper(*found) == Upper(expectedName);
}
