#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Win32Errors.h"

// Drives, volumes and files, mirroring the W calls.
class FileSystemApi {
public:
    virtual ~FileSystemApi() = default;
    // GetDriveTypeW of a root such as L"E:\\"; kDriveCdrom is a CD-ROM drive.
    virtual unsigned GetDriveTypeW(const std::wstring& root) = 0;
    // GetVolumeInformationW: on success the buffers receive NUL-terminated texts and the
    // result is non-zero; on failure the buffers are left as they were.
    virtual int GetVolumeInformationW(const std::wstring& root, wchar_t* volumeName,
                                      std::uint32_t volumeNameSize, std::uint32_t* serialNumber,
                                      std::uint32_t* maxComponentLength,
                                      std::uint32_t* fileSystemFlags, wchar_t* fileSystemName,
                                      std::uint32_t fileSystemNameSize) = 0;
    // FindFirstFileW on a path without wildcards, closed at once: 0 and the entry's name
    // and attributes, or the error (2, 3: not there; 21: the drive is not ready).
    virtual long FindFile(const std::wstring& path, std::wstring* name,
                          std::uint32_t* attributes) = 0;
    // The whole file as bytes: 0, or an error; kErrorFileTooLarge when it has more than maxBytes.
    virtual long ReadWholeFile(const std::wstring& path, std::size_t maxBytes,
                               std::vector<std::uint8_t>* bytes) = 0;
};

constexpr unsigned kDriveCdrom = 5;
constexpr std::uint32_t kMaxPath = 260;
constexpr std::uint32_t kFileAttributeReadOnly = 0x1;
constexpr std::uint32_t kFileAttributeHidden = 0x2;
constexpr std::uint32_t kFileAttributeSystem = 0x4;
constexpr std::uint32_t kFileAttributeDirectory = 0x10;
constexpr std::uint32_t kFileAttributeArchive = 0x20;
