// Runs for a whole Wine session of tests: a window, so that Wine keeps its desktop (and
// with it the keyboard's state) between programs, and a notification icon, so that the
// notification area keeps its window. Without an icon left, Wine hides that window and
// waits two seconds for the hide on a display without a window manager, at every exit of
// a program with an icon.
//   th_session_keeper <ready file>   writes the file once the icon is there
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR readyFile, int) {
    const HWND window = CreateWindowW(L"STATIC", L"Trayhush test session", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      instance, nullptr);
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    // Right after the session's start the notification area may not be there yet.
    for (int attempt = 0; !Shell_NotifyIconW(NIM_ADD, &icon); ++attempt) {
        if (!window || attempt == 100) return 1;
        Sleep(100);
    }
    if (FILE* ready = _wfopen(readyFile, L"w")) std::fclose(ready);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
