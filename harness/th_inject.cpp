// Loads a DLL into a running process, optionally runs one of its exported thread
// routines there, and unloads it again. The end-to-end tests use it by hand to look
// inside Trayhush.exe without the program carrying any test hook.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <string>

#include "harness/RemoteLibrary.h"

namespace {

int Usage() {
    std::fwprintf(stderr,
                  L"usage: th_inject <process-id> <dll-path> [<export> <argument>]\n"
                  L"  <argument>: a drive letter (X or X:) or a number (decimal or 0x...)\n"
                  L"  Prints the export's result (its thread exit code); exit code 0 on success.\n"
                  L"example: th_inject 1234 th_notify_probe.dll ThAnnounceMediaInserted X\n");
    return 2;
}

bool ParseArgument(const std::wstring& text, UINT_PTR* value) {
    const bool letter = (text.size() == 1 || (text.size() == 2 && text[1] == L':')) && std::iswalpha(text[0]);
    if (letter) {
        *value = static_cast<UINT_PTR>(std::towupper(text[0]));
        return true;
    }
    wchar_t* end = nullptr;
    *value = static_cast<UINT_PTR>(std::wcstoull(text.c_str(), &end, 0));
    return !text.empty() && end && *end == L'\0';
}

std::wstring FullPath(const std::wstring& path) {
    wchar_t buffer[MAX_PATH * 4];
    const DWORD n = GetFullPathNameW(path.c_str(), MAX_PATH * 4, buffer, nullptr);
    return n > 0 && n < MAX_PATH * 4 ? std::wstring(buffer, n) : path;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 && argc != 5) return Usage();
    wchar_t* end = nullptr;
    const DWORD processId = std::wcstoul(argv[1], &end, 0);
    if (!end || *end != L'\0' || processId == 0) return Usage();
    UINT_PTR argument = 0;
    if (argc == 5 && !ParseArgument(argv[4], &argument)) return Usage();

    trayhush::e2e::RemoteLibrary library(processId, FullPath(argv[2]));
    if (!library.Loaded()) {
        std::fwprintf(stderr, L"th_inject: %ls\n", library.Error().c_str());
        return 1;
    }
    if (argc == 3) return 0;

    const std::wstring wideName(argv[3]);
    const std::string exportName(wideName.begin(), wideName.end());
    DWORD result = 0;
    if (!library.Call(exportName.c_str(), argument, 15000, &result)) {
        std::fwprintf(stderr, L"th_inject: %ls\n", library.Error().c_str());
        return 1;
    }
    std::wprintf(L"%lu\n", static_cast<unsigned long>(result));
    return 0;
}
