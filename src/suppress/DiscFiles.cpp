#include "suppress/DiscFiles.h"

std::optional<std::wstring> FindDiscFile(FileSystemApi& files, const std::wstring& path) {
    std::wstring name;
    std::uint32_t attributes = 0;
    const long error = files.FindFile(path, &name, &attributes);
    if (error == kErrorFileNotFound || error == kErrorPathNotFound) return std::wstring();
    if (error != 0) return std::nullopt;
    if (attributes & kFileAttributeDirectory) return std::wstring();
    return name;
}

bool DiscHasFile(FileSystemApi& files, TextApi& text, const std::wstring& path,
                 const std::wstring& expectedName) {
    const std::optional<std::wstring> found = FindDiscFile(files, path);
    return found && text.ToUpper(*found) == text.ToUpper(expectedName);
}
