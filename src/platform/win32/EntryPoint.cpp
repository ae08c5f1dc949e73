#include <windows.h>

#include "platform/win32/ErrorMode.h"
#include "platform/win32/Win32App.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    SuppressCriticalErrorDialogs();
    try {
        Win32App app(instance);
        return app.Run();
    } catch (...) {
        return 1;
    }
}
