// Stands in for the user's DVD player: the demonstration registers it as the system's
// default action for DVD discs, and Trayhush starts it after blocking the disc's program.
#include "DemoWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // Trayhush asks for it minimised; the show state passed in says so.
    return RunDemoWindow(instance, show, L"TrayhushDemoPlayer", L"DVD player (the registered default)",
                         L"Your own DVD player would play the disc now.", COLOR_WINDOW);
}
