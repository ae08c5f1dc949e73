#pragma once
#include <map>
#include <string>
#include <vector>

#include "fakes/FakeText.h"
#include "platform/FileSystemApi.h"

// Drives by letter, each with a type and, while a medium is in, a label and files.
class FakeFileSystem : public FileSystemApi {
public:
    unsigned GetDriveTypeW(const std::wstring& root) override {
        return DriveOf(root) ? DriveOf(root)->type : 1;  // DRIVE_NO_ROOT_DIR
    }
    int GetVolumeInformationW(const std::wstring& root, wchar_t* volumeName, std::uint32_t volumeNameSize,
                              std::uint32_t*, std::uint32_t*, std::uint32_t*, wchar_t*, std::uint32_t) override {
        const Drive* d = DriveOf(root);
        if (!d || !d->hasMedium) return 0;
        volumeName[d->label.copy(volumeName, volumeNameSize - 1)] = L'\0';
        return 1;
    }
    long FindFile(const std::wstring& path, std::wstring* name, std::uint32_t* attributes) override {
        const File* f = nullptr;
        if (const long error = Lookup(path, &f)) return error;
        *name = f->name.substr(f->name.find_last_of(L'\\') + 1);
        *attributes = f->attributes;
        return 0;
    }
    long ReadWholeFile(const std::wstring& path, std::size_t, std::vector<std::uint8_t>* bytes) override {
        const File* f = nullptr;
        if (const long error = Lookup(path, &f)) return error;
        *bytes = f->bytes;
        return 0;
    }

    // Test side.
    void AddDrive(wchar_t letter, unsigned type = kDriveCdrom) { drives_[letter].type = type; }
    void InsertDisc(wchar_t letter, const std::wstring& label) {
        drives_[letter] = Drive{drives_[letter].type, true, label, {}};
    }
    void EjectDisc(wchar_t letter) { drives_[letter].hasMedium = false; }
    // Path below the root, e.g. L"VIDEO_TS\\VIDEO_TS.IFO", as the medium spells it.
    void AddFile(wchar_t letter, const std::wstring& path, const std::string& content = "",
                 std::uint32_t attributes = kFileAttributeArchive) {
        drives_[letter].files[CaseFolded(path)] = File{path, attributes, {content.begin(), content.end()}};
    }
    void InsertDvdVideo(wchar_t letter, const std::string& autorunInf) {
        InsertDisc(letter, L"MOVIE");
        AddFile(letter, L"VIDEO_TS\\VIDEO_TS.IFO", "DVDVIDEO-VMG");
        AddFile(letter, L"AUTORUN.INF", autorunInf);
    }

private:
    struct File { std::wstring name; std::uint32_t attributes; std::vector<std::uint8_t> bytes; };
    // Files by upper-cased path below the root.
    struct Drive { unsigned type = 0; bool hasMedium = false; std::wstring label; std::map<std::wstring, File> files; };
    Drive* DriveOf(const std::wstring& path) {
        const auto d = path.size() < 3 || path.compare(1, 2, L":\\") ? drives_.end() : drives_.find(path[0]);
        return d == drives_.end() ? nullptr : &d->second;
    }
    long Lookup(const std::wstring& path, const File** file) {
        const Drive* d = DriveOf(path);
        if (!d) return kErrorPathNotFound;
        if (!d->hasMedium) return kErrorNotReady;
        const auto f = d->files.find(CaseFolded(path.substr(3)));
        if (f == d->files.end()) return kErrorFileNotFound;
        *file = &f->second;
        return 0;
    }

    std::map<wchar_t, Drive> drives_;
};
