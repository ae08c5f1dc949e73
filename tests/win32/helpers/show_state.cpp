// Writes how its starter asked it to show its window into the file named by its argument:
// the show state, a space, and 1 when the starter set STARTF_USESHOWWINDOW, else 0.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    FILE* out = _wfopen(argv[1], L"w");
    if (!out) return 3;
    std::fprintf(out, "%u %d", static_cast<unsigned>(startup.wShowWindow),
                 (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? 1 : 0);
    std::fclose(out);
    return 0;
}
