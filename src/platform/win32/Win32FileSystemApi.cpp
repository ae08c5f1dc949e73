#include "platform/win32/Win32FileSystemApi.h"

#include <windows.h>

#include "platform/win32/Win32Handles.h"

namespace {

DWORD* AsDword(std::uint32_t* value) {
    static_assert(sizeof(DWORD) == sizeof(std::uint32_t), "DWORD is 32 bits");
    return reinterpret_cast<DWORD*>(value);
}

}  // namespace

unsigned Win32FileSystemApi::GetDriveTypeW(const std::wstring& root) {
    return ::GetDriveTypeW(root.c_str());
}

int Win32FileSystemApi::GetVolumeInformationW(const std::wstring& root, wchar_t* volumeName,
                                              std::uint32_t volumeNameSize,
                                              std::uint32_t* serialNumber,
                                              std::uint32_t* maxComponentLength,
                                              std::uint32_t* fileSystemFlags,
                                              wchar_t* fileSystemName,
                                              std::uint32_t fileSystemNameSize) {
    return ::GetVolumeInformationW(root.c_str(), volumeName, volumeNameSize, AsDword(serialNumber),
                                   AsDword(maxComponentLength), AsDword(fileSystemFlags),
                                   fileSystemName, fileSystemNameSize);
}

long Win32FileSystemApi::FindFile(const std::wstring& path, std::wstring* name,
                                  std::uint32_t* attributes) {
    WIN32_FIND_DATAW found = {};
    const UniqueFindHandle search(NoneIfInvalid(::FindFirstFileW(path.c_str(), &found)));
    if (!search) {
        const DWORD error = ::GetLastError();
        return error != ERROR_SUCCESS ? static_cast<long>(error) : ERROR_FILE_NOT_FOUND;
    }
    *name = found.cFileName;
    *attributes = found.dwFileAttributes;
    return ERROR_SUCCESS;
}

long Win32FileSystemApi::ReadWholeFile(const std::wstring& path, std::size_t maxBytes,
                                       std::vector<std::uint8_t>* bytes) {
    UniqueHandle file(NoneIfInvalid(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file) return static_cast<long>(::GetLastError());
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(file.Get(), &size)) return static_cast<long>(::GetLastError());
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) return kErrorFileTooLarge;

    std::vector<std::uint8_t> content(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < content.size()) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), content.data() + done, static_cast<DWORD>(content.size() - done),
                        &read, nullptr))
            return static_cast<long>(::GetLastError());
        if (read == 0) break;  // the file shrank while it was read
        done += read;
    }
    content.resize(done);
    *bytes = std::move(content);
    return ERROR_SUCCESS;
}
