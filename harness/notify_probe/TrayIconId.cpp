// The identifier of a notification icon is known only to its owner; the shell accepts a
// NIM_MODIFY from anybody who names the owner's window and that identifier. Trayhush
// uses its tray window's class icon as the identifier, and Wine answers class queries
// only inside the window's own process.
#include <windows.h>

extern "C" __declspec(dllexport) DWORD WINAPI ThTrayIconId(void* trayWindow) {
    return static_cast<DWORD>(GetClassLongPtrW(static_cast<HWND>(trayWindow), GCLP_HICON));
}
