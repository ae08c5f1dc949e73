#include "drives/DriveList.h"

std::vector<std::wstring> CdromDriveEntries(FileSystemApi& files) {
    std::vector<std::wstring> entries;
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const std::wstring root = std::wstring(1, letter) + L":\\";
        if (files.GetDriveTypeW(root) == kDriveCdrom) entries.push_back(std::wstring(1, letter) + L":");
    }
    return entries;
}

std::optional<int> FindDriveEntry(const std::vector<std::wstring>& entries, const std::wstring& path) {
    const std::wstring drive = path.substr(0, 2);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].substr(0, 2) == drive) return static_cast<int>(i);
    return std::nullopt;
}
