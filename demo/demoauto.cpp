// The demonstration disc's own autorun program: a window that would stay open until the
// user closes it. Trayhush ends it as it starts.
#include "DemoWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    return RunDemoWindow(instance, show, L"TrayhushDemoAutorun", L"Disc autorun program",
                         L"The disc started this program on its own.", COLOR_BTNFACE);
}
