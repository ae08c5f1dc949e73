#include "harness/WineMountManager.h"

#include "harness/WinePaths.h"

#include <winioctl.h>

#include <cstddef>
#include <cstring>
#include <cwctype>
#include <vector>

namespace trayhush::testsupport {
namespace {

// Wine's private extension of the mount manager (include/ddk/mountmgr.h);
// neither the code nor the layout exist in the Windows SDK headers.
constexpr DWORD kMountMgrControlType = 'm';
constexpr DWORD kIoctlDefineUnixDrive =
    CTL_CODE(kMountMgrControlType, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
constexpr ULONG kFsTypeIso9660 = 3;

struct UnixDriveRequest {
    ULONG size;
    ULONG type;  // a DRIVE_* value; DRIVE_NO_ROOT_DIR asks for removal
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDev;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};
// Must match Wine byte for byte: Wine rejects a shorter request and reads
// the fields of a differently laid out one from the wrong places.
static_assert(sizeof(UnixDriveRequest) == 32, "layout of struct mountmgr_unix_drive");
static_assert(offsetof(UnixDriveRequest, letter) == 24, "layout of struct mountmgr_unix_drive");

bool isUsableLetter(wchar_t letter) {
    wchar_t upper = static_cast<wchar_t>(std::towupper(letter));
    // C: holds the prefix and Z: is how tests reach unix paths; losing either
    // breaks the whole Wine session, not just the test that asked.
    return upper >= L'A' && upper <= L'Z' && upper != L'C' && upper != L'Z';
}

DWORD sendUnixDriveRequest(wchar_t letter, ULONG driveType, const std::string& mountPoint) {
    if (!isUsableLetter(letter)) return ERROR_INVALID_DRIVE;

    std::vector<unsigned char> buffer(sizeof(UnixDriveRequest) + mountPoint.size() + 1, 0);
    UnixDriveRequest request{};
    request.size = static_cast<ULONG>(buffer.size());
    request.type = driveType;
    // Wine 8.0 ignores it when defining; it states what the drive stands for.
    request.fsType = kFsTypeIso9660;
    request.letter = letter;
    if (!mountPoint.empty()) {
        request.mountPointOffset = sizeof(UnixDriveRequest);
        std::memcpy(buffer.data() + sizeof(UnixDriveRequest), mountPoint.c_str(), mountPoint.size() + 1);
    }
    std::memcpy(buffer.data(), &request, sizeof(request));

    HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD returned = 0;
    BOOL ok = DeviceIoControl(manager, kIoctlDefineUnixDrive, buffer.data(), static_cast<DWORD>(buffer.size()),
                              nullptr, 0, &returned, nullptr);
    DWORD error = ok ? ERROR_SUCCESS : GetLastError();
    CloseHandle(manager);
    return error;
}

}  // namespace

DWORD defineWineCdRomDrive(wchar_t letter, const std::wstring& unixFolder) {
    // The mount manager stores the path as a symlink target relative to
    // dosdevices/, so a relative path would silently point somewhere else.
    if (!unixFolder.empty() && unixFolder[0] != L'/') return ERROR_BAD_PATHNAME;
    // Wine accepts a dangling target and shows an empty disc, which turns a
    // typo in a test into a baffling failure far from its cause.
    if (!unixFolder.empty()) {
        DWORD attributes = GetFileAttributesW(unixToWindowsPath(unixFolder).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return ERROR_PATH_NOT_FOUND;
    }
    return sendUnixDriveRequest(letter, DRIVE_CDROM, toUtf8(unixFolder));
}

DWORD removeWineDrive(wchar_t letter) {
    return sendUnixDriveRequest(letter, DRIVE_NO_ROOT_DIR, {});
}

DWORD writeWineVolumeLabel(const std::wstring& unixFolder, const std::wstring& label) {
    std::wstring labelFile = unixToWindowsPath(unixFolder + L"/.windows-label");
    if (labelFile.empty()) return ERROR_PATH_NOT_FOUND;
    if (label.empty()) {
        if (DeleteFileW(labelFile.c_str())) return ERROR_SUCCESS;
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
    }

    // Wine reports dot files as hidden, and overwriting a hidden file is
    // refused unless the request carries the hidden attribute as well.
    HANDLE file = CreateFileW(labelFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    std::string bytes = toUtf8(label);
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    DWORD error = ok && written == bytes.size() ? ERROR_SUCCESS : GetLastError();
    CloseHandle(file);
    return error;
}

std::wstring describeWin32Error(DWORD error) {
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : std::wstring();
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    return L"error " + std::to_wstring(error) + (message.empty() ? L"" : L": " + message);
}

}  // namespace trayhush::testsupport
