#include "harness/VolumeBroadcast.h"

#include <dbt.h>

#include <cwctype>

namespace trayhush::testsupport {
namespace {

constexpr UINT kPerWindowTimeoutMs = 5000;

}  // namespace

DWORD announceVolumeChange(wchar_t letter, VolumeChange change) {
    wchar_t upper = static_cast<wchar_t>(std::towupper(letter));
    if (upper < L'A' || upper > L'Z') return ERROR_INVALID_DRIVE;

    DEV_BROADCAST_VOLUME volume{};
    volume.dbcv_size = sizeof(volume);
    volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
    volume.dbcv_unitmask = 1UL << (upper - L'A');
    volume.dbcv_flags = change == VolumeChange::DriveRemoved ? 0 : DBTF_MEDIA;
    WPARAM event = change == VolumeChange::MediaArrived ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;

    // A sent (not posted) message is required: only then does Wine copy the
    // DEV_BROADCAST_VOLUME into the receiving process.
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(HWND_BROADCAST, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume),
                             SMTO_ABORTIFHUNG, kPerWindowTimeoutMs, &result)) {
        DWORD error = GetLastError();
        return error ? error : ERROR_TIMEOUT;
    }
    return ERROR_SUCCESS;
}

}  // namespace trayhush::testsupport
