// The yardstick for start-up time and memory: a Win32 program that does nothing but put
// an icon in the notification area, built with the same compiler and flags as Trayhush.
// With --tick it also runs a 1 ms timer that does nothing: the floor of the termination
// window's share, whose timer asks for the same interval.
#include <windows.h>
#include <shellapi.h>

namespace {

constexpr UINT kIconId = 1;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = window;
        data.uID = kIconId;
        Shell_NotifyIconW(NIM_DELETE, &data);
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"ThMinimalTray";
    if (!RegisterClassW(&windowClass)) return 1;
    const HWND window = CreateWindowW(L"ThMinimalTray", L"Minimal tray", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                      nullptr, instance, nullptr);
    if (!window) return 1;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = kIconId;
    data.uFlags = NIF_ICON | NIF_TIP;
    data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(data.szTip, L"Minimal tray", ARRAYSIZE(data.szTip));
    Shell_NotifyIconW(NIM_ADD, &data);
    if (lstrcmpW(commandLine, L"--tick") == 0) SetTimer(window, 1, 1, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
