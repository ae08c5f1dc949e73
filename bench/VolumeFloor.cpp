// The floor under polling's cost: nothing but the volume-label queries that detection
// method two makes, on the same drives and at the same timer rate (1 ms asked for). It
// runs until it is ended; bench_end_to_end measures it from outside as it measures Trayhush.
// usage: bench_volume_floor.exe <drive letters, e.g. XW>
#include <windows.h>

#include <string>

namespace {

std::wstring g_letters;

void QueryEach() {
    for (const wchar_t letter : g_letters) {
        const wchar_t root[] = {letter, L':', L'\\', 0};
        wchar_t name[255], fileSystem[255];
        DWORD serial = 0, componentLength = 0, flags = 0;
        GetVolumeInformationW(root, name, 255, &serial, &componentLength, &flags, fileSystem, 255);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    g_letters = commandLine;
    SetErrorMode(SEM_FAILCRITICALERRORS);
    const HWND window = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    SetTimer(window, 1, 1, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        if (message.message == WM_TIMER) QueryEach();
    return 0;
}
