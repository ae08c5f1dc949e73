#include "app/Form1.h"

namespace {

constexpr std::uint32_t kBufferChars = 255;

// Only spaces: the NUL that ends a written name must survive.
std::wstring TrimSpaces(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return L"";
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

}  // namespace

std::wstring Form1::GetVolumeLabel(const std::wstring& sDrive) { return GetVolumeInfo(sDrive).VolumeName; }

// The buffers start as spaces so that an unanswered query reads as "" and an answered one
// as the name and its NUL: even a medium without a label reads as something.
VolumeInfo Form1::GetVolumeInfo(const std::wstring& sDrive) {
    // A missing list entry names no drive: nothing to ask the system a hundred times a second.
    if (sDrive.empty()) return VolumeInfo();
    std::wstring volumeName(kBufferChars, L' ');
    std::wstring fileSystemName(kBufferChars, L' ');
    VolumeInfo info;
    std::uint32_t maxComponentLength = 0;
    std::uint32_t fileSystemFlags = 0;
    m_platform.files.GetVolumeInformationW(sDrive + L":\\", volumeName.data(), kBufferChars,
                                           &info.SerialNumber, &maxComponentLength, &fileSystemFlags,
                                           fileSystemName.data(), kBufferChars);
    info.VolumeName = TrimSpaces(volumeName);
    info.FileSystemName = TrimSpaces(fileSystemName);
    return info;
}
