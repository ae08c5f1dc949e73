#pragma once
#include "platform/FileSystemApi.h"

// Call SuppressCriticalErrorDialogs first: a drive without a disc must give an error code,
// not a box asking the user to insert one.
class Win32FileSystemApi : public FileSystemApi {
public:
    unsigned GetDriveTypeW(const std::wstring& root) override;
    int GetVolumeInformationW(const std::wstring& root, wchar_t* volumeName,
                              std::uint32_t volumeNameSize, std::uint32_t* serialNumber,
                              std::uint32_t* maxComponentLength, std::uint32_t* fileSystemFlags,
                              wchar_t* fileSystemName, std::uint32_t fileSystemNameSize) override;
    long FindFile(const std::wstring& path, std::wstring* name, std::uint32_t* attributes) override;
    long ReadWholeFile(const std::wstring& path, std::size_t maxBytes,
                       std::vector<std::uint8_t>* bytes) override;
};
