#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/FileSystemApi.h"

// The record of one volume query.
struct VolumeInfo {
    std::uint32_t SerialNumber = 0;
    std::wstring VolumeName;
    std::wstring FileSystemName;
};

// Detection by polling: the volume label of each of the first six drive-list entries,
// remembered from one pass to the next. Entries beyond the list read as "".
class VolumePoller {
public:
    explicit VolumePoller(FileSystemApi& files) : files_(files) {}

    void SnapshotDriveLabels(const std::vector<std::wstring>& entries);
    // Hands each entry whose label changed since the last pass to report, as a drive root.
    void PollDrives(const std::vector<std::wstring>& entries,
                    const std::function<void(const std::wstring& sPath)>& report);

    std::wstring GetVolumeLabel(const std::wstring& sDrive);
    VolumeInfo GetVolumeInfo(const std::wstring& sDrive);

private:
    FileSystemApi& files_;
    std::array<std::wstring, 6> m_sDriveLabels;
};
