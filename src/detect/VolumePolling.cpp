#include "app/Form1.h"

// Filled in with volume polling.
void Form1::Timer7_Timer() {}
void Form1::PollDrives() {}
void Form1::SnapshotDriveLabels() {}
std::wstring Form1::GetVolumeLabel(const std::wstring&) { return L""; }
VolumeInfo Form1::GetVolumeInfo(const std::wstring&) { return {}; }
