#include "detect/VolumePoller.h"

namespace {

// Only the first six drives of the list have a remembered label.
constexpr std::size_t kPolledDrives = 6;
constexpr std::uint32_t kBufferChars = 255;

std::wstring EntryAt(const std::vector<std::wstring>& entries, std::size_t i) {
    return i < entries.size() ? entries[i] : L"";
}

// Only spaces: the NUL that ends a written name must survive.
std::wstring TrimSpaces(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return L"";
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

}  // namespace

void VolumePoller::PollDrives(const std::vector<std::wstring>& entries,
                              const std::function<void(const std::wstring& sPath)>& report) {
    for (std::size_t i = 0; i < kPolledDrives; ++i) {
        const std::wstring entry = EntryAt(entries, i);
        const std::wstring letter = entry.substr(0, 1);
        const std::wstring fingerprint = GetVolumeLabel(letter);
        if (fingerprint == m_sDriveLabels[i]) continue;
        // A removal changes the label as much as an insertion does; both are reported.
        try {
            report(entry + L"\\");
        } catch (...) {
            // The handler ends quietly; the label below is still brought up to date.
        }
        // Asked again rather than reusing the first answer: the handler may have taken
        // long enough for the medium to change once more.
        m_sDriveLabels[i] = GetVolumeLabel(letter);
    }
}

void VolumePoller::SnapshotDriveLabels(const std::vector<std::wstring>& entries) {
    for (std::size_t i = 0; i < kPolledDrives; ++i) m_sDriveLabels[i] = GetVolumeLabel(EntryAt(entries, i).substr(0, 1));
}

std::wstring VolumePoller::GetVolumeLabel(const std::wstring& sDrive) { return GetVolumeInfo(sDrive).VolumeName; }

// The buffers start as spaces so that an unanswered query reads as "" and an answered one
// as the name and its NUL: even a medium without a label reads as something.
VolumeInfo VolumePoller::GetVolumeInfo(const std::wstring& sDrive) {
    // A missing list entry names no drive: nothing to ask the system a hundred times a second.
    if (sDrive.empty()) return VolumeInfo();
    std::wstring volumeName(kBufferChars, L' ');
    std::wstring fileSystemName(kBufferChars, L' ');
    VolumeInfo info;
    std::uint32_t maxComponentLength = 0;
    std::uint32_t fileSystemFlags = 0;
    files_.GetVolumeInformationW(sDrive + L":\\", volumeName.data(), kBufferChars, &info.SerialNumber,
                                 &maxComponentLength, &fileSystemFlags, fileSystemName.data(), kBufferChars);
    info.VolumeName = TrimSpaces(volumeName);
    info.FileSystemName = TrimSpaces(fileSystemName);
    return info;
}
