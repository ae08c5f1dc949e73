// Loading does nothing by itself: the work runs in exported thread routines, outside the
// loader lock, because the notification waits on Trayhush's window thread, which may
// itself need the loader.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
    return TRUE;
}
