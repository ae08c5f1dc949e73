#include "drives/DriveSelection.h"

std::wstring FormatDriveSelection(const std::vector<std::wstring>& entries,
                                  const std::vector<bool>& selected) {
    std::wstring text;
    for (std::size_t i = 0; i < entries.size() && i < selected.size(); ++i)
        if (selected[i] && !entries[i].empty()) text += entries[i][0];
    return text.empty() ? kNoDrivesSelected : text;
}

bool DriveSelectedBy(const std::wstring& entry, const std::wstring& stored) {
    return !entry.empty() && stored.find(entry[0]) != std::wstring::npos;
}
