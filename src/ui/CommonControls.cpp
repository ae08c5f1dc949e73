#include "ui/CommonControls.h"

#include <commctrl.h>

bool InitCommonControlsOnDemand(DWORD classes) {
    // The manifest's activation context resolves the name to version 6, ahead of any search
    // path. The module stays loaded: the windows of its classes live in it.
    const HMODULE module = LoadLibraryW(L"comctl32.dll");
    if (!module) return false;
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    // Through void(*)(): an exported address has no type of its own.
    const auto init = reinterpret_cast<InitFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "InitCommonControlsEx")));
    const INITCOMMONCONTROLSEX controls{sizeof controls, classes};
    return init && init(&controls);
}
