#include <windows.h>

#include "runtime/CrashGuard.h"
#include "runtime/ErrorMode.h"
#include "program/Win32App.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    SuppressCriticalErrorDialogs();
    // Outlives the program's objects: a Shift held for a disc never outlives the process.
    const CrashGuard crashGuard;
    try {
        Win32App app(instance);
        return app.Run();
    } catch (...) {
        return 1;
    }
}
