// Stands in for a disc's autorun program: it waits to be terminated. Left alone it ends by
// itself with exit code 7, so that a kill (exit code 0) cannot be mistaken for its own end.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    const unsigned long ms = argc > 1 ? std::wcstoul(argv[1], nullptr, 10) : 120000;
    ::Sleep(ms);
    return 7;
}
