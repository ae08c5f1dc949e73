#include "fakes/FakeFileSystem.h"

#include <cwctype>

namespace {

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

void CopyWithNul(const std::wstring& text, wchar_t* buffer, std::uint32_t size) {
    if (!buffer || size == 0) return;
    std::size_t n = 0;
    for (; n + 1 < size && n < text.size(); ++n) buffer[n] = text[n];
    buffer[n] = L'\0';
}

std::wstring BaseName(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

FakeFileSystem::Drive* FakeFileSystem::DriveOf(const std::wstring& path) {
    if (path.size() < 3 || path[1] != L':' || path[2] != L'\\') return nullptr;
    auto d = drives_.find(static_cast<wchar_t>(std::towupper(path[0])));
    return d == drives_.end() ? nullptr : &d->second;
}

unsigned FakeFileSystem::GetDriveTypeW(const std::wstring& root) {
    Drive* d = DriveOf(root);
    return d ? d->type : 1;  // DRIVE_NO_ROOT_DIR
}

int FakeFileSystem::GetVolumeInformationW(const std::wstring& root, wchar_t* volumeName,
                                          std::uint32_t volumeNameSize,
                                          std::uint32_t* serialNumber, std::uint32_t*,
                                          std::uint32_t*, wchar_t* fileSystemName,
                                          std::uint32_t fileSystemNameSize) {
    ++volumeQueries;
    Drive* d = DriveOf(root);
    if (!d || !d->hasMedium) return 0;
    CopyWithNul(d->label, volumeName, volumeNameSize);
    CopyWithNul(L"UDF", fileSystemName, fileSystemNameSize);
    if (serialNumber) *serialNumber = 0x1234;
    return 1;
}

long FakeFileSystem::FindFile(const std::wstring& path, std::wstring* name,
                                       std::uint32_t* attributes) {
    Drive* d = DriveOf(path);
    if (!d) return kErrorPathNotFound;
    if (!d->hasMedium) return kErrorNotReady;
    auto f = d->files.find(Upper(path.substr(3)));
    if (f == d->files.end()) return kErrorFileNotFound;
    *name = BaseName(f->second.name);
    *attributes = f->second.attributes;
    return 0;
}

long FakeFileSystem::ReadWholeFile(const std::wstring& path, std::size_t maxBytes,
                                            std::vector<std::uint8_t>* bytes) {
    Drive* d = DriveOf(path);
    if (!d) return kErrorPathNotFound;
    if (!d->hasMedium) return kErrorNotReady;
    auto f = d->files.find(Upper(path.substr(3)));
    if (f == d->files.end()) return kErrorFileNotFound;
    if (f->second.readError != 0) return f->second.readError;
    if (f->second.bytes.size() > maxBytes) return kErrorFileTooLarge;
    *bytes = f->second.bytes;
    return 0;
}

FakeFileSystem::Drive& FakeFileSystem::AddDrive(wchar_t letter, unsigned type) {
    Drive& d = drives_[letter];
    d.type = type;
    return d;
}

void FakeFileSystem::InsertDisc(wchar_t letter, const std::wstring& label) {
    Drive& d = drives_[letter];
    d.hasMedium = true;
    d.label = label;
    d.files.clear();
}

void FakeFileSystem::EjectDisc(wchar_t letter) {
    Drive& d = drives_[letter];
    d.hasMedium = false;
    d.label.clear();
    d.files.clear();
}

void FakeFileSystem::AddFile(wchar_t letter, const std::wstring& path, const std::string& content,
                             std::uint32_t attributes) {
    drives_[letter].files[Upper(path)] = File{path, attributes, {content.begin(), content.end()}};
}

FakeFileSystem::File* FakeFileSystem::FindFileOn(wchar_t letter, const std::wstring& path) {
    auto d = drives_.find(letter);
    if (d == drives_.end()) return nullptr;
    auto f = d->second.files.find(Upper(path));
    return f == d->second.files.end() ? nullptr : &f->second;
}

void FakeFileSystem::InsertDvdVideo(wchar_t letter, const std::string& autorunInf,
                                    const std::wstring& label) {
    InsertDisc(letter, label);
    AddFile(letter, L"VIDEO_TS\\VIDEO_TS.IFO", "DVDVIDEO-VMG");
    AddFile(letter, L"AUTORUN.INF", autorunInf);
}
