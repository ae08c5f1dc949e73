#include "app/Form1.h"

namespace {
// Only the first six drives of the list have a remembered label.
constexpr int kPolledDrives = 6;
}  // namespace

void Form1::Timer7_Timer() { PollDrives(); }

void Form1::PollDrives() {
    for (int i = 0; i < kPolledDrives; ++i) {
        const std::wstring entry = List1.List(i);
        const std::wstring letter = entry.substr(0, 1);
        const std::wstring fingerprint = GetVolumeLabel(letter);
        if (fingerprint == m_sDriveLabels[i]) continue;
        // A removal changes the label as much as an insertion does; both are reported.
        try {
            ReportArrival(entry + L"\\");
        } catch (...) {
            // The handler ends quietly; the label below is still brought up to date.
        }
        // Asked again rather than reusing the first answer: the handler may have taken
        // long enough for the medium to change once more.
        m_sDriveLabels[i] = GetVolumeLabel(letter);
    }
}

void Form1::SnapshotDriveLabels() {
    for (int i = 0; i < kPolledDrives; ++i) m_sDriveLabels[i] = GetVolumeLabel(List1.List(i).substr(0, 1));
}
