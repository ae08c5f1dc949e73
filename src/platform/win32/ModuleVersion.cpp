#include "platform/win32/ModuleVersion.h"

#include <windows.h>

#include <vector>

std::wstring OwnExecutablePath() {
    // Paths may exceed MAX_PATH; grow until the name fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return L"";
        if (n < buffer.size()) return std::wstring(buffer.data(), n);
        if (buffer.size() >= 32768) return L"";
        buffer.resize(buffer.size() * 2);
    }
}

ModuleVersion ReadOwnVersion() {
    ModuleVersion version;
    const std::wstring path = OwnExecutablePath();
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return version;
    std::vector<BYTE> data(size);
    if (!::GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return version;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
        version.major = HIWORD(fixed->dwFileVersionMS);
        version.minor = LOWORD(fixed->dwFileVersionMS);
    }

    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    if (!::VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                          reinterpret_cast<void**>(&translations), &length) ||
        length < sizeof(Translation))
        return version;
    wchar_t query[64];
    wsprintfW(query, L"\\StringFileInfo\\%04x%04x\\FileDescription", translations[0].language,
              translations[0].codePage);
    wchar_t* text = nullptr;
    if (::VerQueryValueW(data.data(), query, reinterpret_cast<void**>(&text), &length) && text)
        version.fileDescription.assign(text, length > 0 ? length - 1 : 0);
    return version;
}
