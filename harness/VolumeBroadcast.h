#pragma once

#include <windows.h>

namespace trayhush::testsupport {

// Wine's mount manager only broadcasts WM_DEVICECHANGE for drives found by
// its own device discovery (udisks/HAL); drives defined on request appear
// silently. Tests announce them the way Windows would for real media.
enum class VolumeChange {
    MediaArrived,  // disc inserted: DBT_DEVICEARRIVAL with DBTF_MEDIA
    MediaRemoved,  // disc ejected: DBT_DEVICEREMOVECOMPLETE with DBTF_MEDIA
    DriveRemoved,  // drive letter gone: DBT_DEVICEREMOVECOMPLETE, no flags
};

// Sends to every top-level window of the session, bounded per window so a
// hung recipient cannot stall a test. Returns ERROR_SUCCESS or a Win32 error.
DWORD announceVolumeChange(wchar_t letter, VolumeChange change);

}  // namespace trayhush::testsupport
