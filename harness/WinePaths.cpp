#include "harness/WinePaths.h"

#include <windows.h>

namespace trayhush::testsupport {
namespace {

// Wine's kernel32 exports these; resolving them at run time keeps the
// binaries loadable on real Windows.
using ToDosFn = WCHAR* (*)(const char*);
using ToUnixFn = char* (*)(const WCHAR*);

template <typename Fn>
Fn kernel32Export(const char* name) {
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    FARPROC proc = kernel32 ? GetProcAddress(kernel32, name) : nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

bool isRunningUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::string toUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

std::wstring fromUtf8(const std::string& text) {
    if (text.empty()) return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

std::wstring unixToWindowsPath(const std::wstring& unixPath) {
    auto toDos = kernel32Export<ToDosFn>("wine_get_dos_file_name");
    if (!toDos || unixPath.empty()) return {};
    WCHAR* dos = toDos(toUtf8(unixPath).c_str());
    if (!dos) return {};
    std::wstring result(dos);
    HeapFree(GetProcessHeap(), 0, dos);
    // Older Wine versions answer in NT form (\\?\Z:\...), which reads badly in
    // messages and breaks naive path comparisons; 8.0 gives Z:\... already.
    // A path no drive reaches stays \\?\unix\..., which CreateFileW accepts.
    const std::wstring ntPrefix = L"\\\\?\\";
    if (result.compare(0, ntPrefix.size(), ntPrefix) == 0 && result.size() > ntPrefix.size() + 1 &&
        result[ntPrefix.size() + 1] == L':')
        result.erase(0, ntPrefix.size());
    return result;
}

std::wstring windowsToUnixPath(const std::wstring& windowsPath) {
    auto toUnix = kernel32Export<ToUnixFn>("wine_get_unix_file_name");
    if (!toUnix || windowsPath.empty()) return {};
    char* unixName = toUnix(windowsPath.c_str());
    if (!unixName) return {};
    std::wstring result = fromUtf8(unixName);
    HeapFree(GetProcessHeap(), 0, unixName);
    return result;
}

}  // namespace trayhush::testsupport
