#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/FileSystemApi.h"

// Drives by letter, each with a type, an optional medium with a label, and files.
class FakeFileSystem : public FileSystemApi {
public:
    struct File {
        std::wstring name;  // as stored on the medium, in its own letter case
        std::uint32_t attributes = kFileAttributeArchive;
        std::vector<std::uint8_t> bytes;
        long readError = 0;  // non-zero: found, but reading it fails with this error
    };
    struct Drive {
        unsigned type = 0;
        bool hasMedium = false;
        std::wstring label;
        std::map<std::wstring, File> files;  // upper-cased path below the root
    };

    unsigned GetDriveTypeW(const std::wstring& root) override;
    int GetVolumeInformationW(const std::wstring& root, wchar_t* volumeName,
                              std::uint32_t volumeNameSize, std::uint32_t* serialNumber,
                              std::uint32_t* maxComponentLength, std::uint32_t* fileSystemFlags,
                              wchar_t* fileSystemName, std::uint32_t fileSystemNameSize) override;
    long FindFile(const std::wstring& path, std::wstring* name,
                           std::uint32_t* attributes) override;
    long ReadWholeFile(const std::wstring& path, std::size_t maxBytes,
                                std::vector<std::uint8_t>* bytes) override;

    // Test side.
    Drive& AddDrive(wchar_t letter, unsigned type);
    Drive& AddCdrom(wchar_t letter) { return AddDrive(letter, kDriveCdrom); }
    void InsertDisc(wchar_t letter, const std::wstring& label);
    void EjectDisc(wchar_t letter);
    // The drive is gone, as when a USB drive is unplugged.
    void RemoveDrive(wchar_t letter) { drives_.erase(letter); }
    File* FindFileOn(wchar_t letter, const std::wstring& path);
    // Path below the root, e.g. L"VIDEO_TS\\VIDEO_TS.IFO".
    void AddFile(wchar_t letter, const std::wstring& path, const std::string& content = "",
                 std::uint32_t attributes = kFileAttributeArchive);
    void InsertDvdVideo(wchar_t letter, const std::string& autorunInf, const std::wstring& label = L"MOVIE");
    int volumeQueries = 0;

private:
    Drive* DriveOf(const std::wstring& path);
    std::map<wchar_t, Drive> drives_;
};
