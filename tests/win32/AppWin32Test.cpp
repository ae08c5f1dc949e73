// The whole program in this process: the Win32App that wWinMain runs, over the real
// registry, shell, keyboard and notification area. The user is played by a timer that
// fires inside whichever message loop runs: the program's own, the tray menu's or the
// About box's.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <utility>

#include "harness/RegistryState.h"
#include "harness/ShiftKey.h"
#include "harness/TrayhushWindows.h"
#include "ui/about/AboutWindowDesign.h"
#include "program/Win32App.h"

namespace {

using namespace trayhush::e2e;

class AppWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(FindWindowW(L"Shell_TrayWnd", nullptr), nullptr) << "no notification area here";
        ForgetEverything();
    }
    void TearDown() override {
        ReleaseShift();
        ForgetEverything();
        // The main window's WM_DESTROY asks for a quit once more, after the loop: a program
        // ends there, this test process goes on to the next program.
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    }
    Win32App app{GetModuleHandleW(nullptr)};
};

// An icon's width and height, from its colour image (the program's icons are 32-bit).
std::pair<int, int> IconSize(LRESULT icon) {
    ICONINFO info{};
    BITMAP bitmap{};
    if (!icon || !GetIconInfo(reinterpret_cast<HICON>(icon), &info)) return {0, 0};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

// The user sees one copy running, with icons of their sizes and a task-bar button when its
// window is open; sees the icon come back after a new taskbar; switches to detection
// method two and back to one; right-clicks the icon, "&About"; with the box open, "&About"
// again; then, with Shift held, "&Exit", or, as taskkill does, a WM_CLOSE to the tray window
// and to the main window, or the end of the session: first one that another program
// refuses, then the real one. Each step waits for the menu or the box it needs; the program
// must end cleanly all the same, its icon gone before its tray window. The checks run inside
// the program's message loops, where each step happens.
enum class End { Exit, Close, Session };
struct User {
    End end = End::Exit;
    Form1* form = nullptr;
    HWND main = nullptr, tray = nullptr, firstBox = nullptr;
    UINT iconId = 0;
    int step = 0, ticks = 0;
    char menuKey = 0;
};
User* g_user = nullptr;
// Once the tray window is gone the shell drops its icon by itself, sooner or later: the
// icon is looked for while the window is being destroyed, when only a NIM_DELETE removes it.
WNDPROC g_trayProcedure = nullptr;
int g_iconAtDestroy = -1;

LRESULT CALLBACK LookAtDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) g_iconAtDestroy = TrayIconPresent(window, g_user->iconId);
    return CallWindowProcW(g_trayProcedure, window, message, wParam, lParam);
}

int CountAboutBoxes() {
    int count = 0;
    for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"TrayhushAboutBox", nullptr));) ++count;
    return count;
}

// Returns once the menu has closed and its choice was carried out, as the shell's callback does.
void ChooseFromTrayMenu(User& user, char key) {
    user.menuKey = key;
    SendMessageW(user.tray, 0x200, user.iconId, WM_RBUTTONDOWN);
}

void EndSession(const User& user) {
    EXPECT_EQ(SendMessageW(user.main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE) << "the end of the session held up";
    SendMessageW(user.main, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(ShiftIsDown() && TrayIconPresent(user.tray, user.iconId)) << "a cancelled end let go of Shift or the icon";
    // The session may end the process once this is answered: all is cleaned up by then.
    SendMessageW(user.main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(!ShiftIsDown() && !TrayIconPresent(user.tray, user.iconId)) << "the end answered before the clean-up";
}

// Alt+Tab shows the large image, not a stretched small one; a second copy ends before it
// makes any window. Method two puts the window's own procedure back, method one hooks it
// again, and the hooked window answers as before.
void FirstLook(const User& user) {
    Win32App second{GetModuleHandleW(nullptr)};
    EXPECT_FALSE(second.Start() || second.MainWindowHandle()) << "a second copy started";
    EXPECT_EQ(IconSize(SendMessageW(user.main, WM_GETICON, ICON_SMALL, 0)),
              std::make_pair(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)));
    EXPECT_EQ(IconSize(SendMessageW(user.main, WM_GETICON, ICON_BIG, 0)),
              std::make_pair(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)));
    EXPECT_FALSE(IsWindowVisible(user.main)) << "started in the tray";
    // Shown, an unowned window that is not a tool window has a task-bar button.
    EXPECT_FALSE(GetWindow(user.main, GW_OWNER) || (GetWindowLongPtrW(user.main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW));
    NOTIFYICONDATAA gone{};
    gone.cbSize = NOTIFYICONDATAA_V1_SIZE, gone.hWnd = user.tray, gone.uID = user.iconId;
    Shell_NotifyIconA(NIM_DELETE, &gone);  // as when Explorer restarts
    SendMessageW(user.tray, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TrayIconPresent(user.tray, user.iconId)) << "the icon did not come back";
    for (const int methodTwo : {1, 0}) {
        user.form->Check[3].SetValue(methodTwo);
        const LONG_PTR own = GetClassLongPtrW(user.main, GCLP_WNDPROC);
        EXPECT_EQ(GetWindowLongPtrW(user.main, GWLP_WNDPROC) == own, methodTwo == 1) << "method two " << methodTwo;
    }
    EXPECT_EQ(GetWindowTextLengthW(user.main), 8) << "the hooked window does not answer as before";
}

void CALLBACK PlayUser(HWND, UINT, UINT_PTR, DWORD) {
    User& user = *g_user;
    // A program that never gets to its end must not hold the whole suite: 1500 ticks of 20 ms
    // are far more than the whole play needs.
    if (++user.ticks >= 1500) {
        if (user.ticks == 1500) ADD_FAILURE() << "the program did not end by itself";
        PostQuitMessage(0);
        return;
    }
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu && IsWindowVisible(menu)) {
        if (user.menuKey) PostMessageW(menu, WM_CHAR, static_cast<WPARAM>(user.menuKey), 0);
        user.menuKey = 0;
        return;
    }
    wchar_t version[32] = {};
    switch (user.step) {
        case 0:
            user.main = FindWindowW(L"TrayhushMainWindow", nullptr);
            user.tray = FindTrayWindow(GetCurrentProcessId());
            user.iconId = static_cast<UINT>(GetClassLongPtrW(user.tray, GCLP_HICON));
            if (!TrayIconPresent(user.tray, user.iconId)) return;
            FirstLook(user);
            g_trayProcedure = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(user.tray, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LookAtDestroy)));
            user.step = 1;
            ChooseFromTrayMenu(user, 'a');
            break;
        case 1:
            user.firstBox = FindWindowW(L"TrayhushAboutBox", nullptr);
            if (!user.firstBox || !IsWindowVisible(user.firstBox)) return;
            GetDlgItemTextW(user.firstBox, about_design::kVersionLabel, version, 32);
            EXPECT_STREQ(version, L"Version 2.12") << "the version of the test program's own resource";
            user.step = 2;
            ChooseFromTrayMenu(user, 'a');
            break;
        case 2:
            EXPECT_EQ(CountAboutBoxes(), 1) << "a second \"&About\" stacked another box";
            EXPECT_EQ(GetForegroundWindow(), user.firstBox) << "a second \"&About\" brings the open box to the front";
            user.step = 3;
            keybd_event(VK_SHIFT, 0, 0, 0);
            if (user.end == End::Close) {
                SendMessageW(user.tray, WM_CLOSE, 0, 0);
                PostMessageW(user.main, WM_CLOSE, 0, 0);
            }
            if (user.end == End::Session) EndSession(user);
            if (user.end != End::Exit) break;
            ChooseFromTrayMenu(user, 'e');
            EXPECT_TRUE(IsWindow(user.tray)) << "the tray window was destroyed inside its own menu's call";
            break;
    }
}

void PlayAndCheck(Win32App& app, End end) {
    User user;
    user.end = end;
    user.form = &app.Form();
    g_user = &user;
    g_iconAtDestroy = -1;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, PlayUser);
    EXPECT_EQ(app.Run(), 0);
    KillTimer(nullptr, timer);
    ASSERT_EQ(user.step, 3) << "the tray icon never showed, or the user never got to the end";
    EXPECT_FALSE(IsWindow(user.main) || IsWindow(user.tray) || CountAboutBoxes()) << "a window was left behind";
    EXPECT_EQ(g_iconAtDestroy, 0) << "the icon was still there when its window was destroyed";
    EXPECT_FALSE(ShiftIsDown()) << "Shift was left down";
}

TEST_F(AppWin32, ExitFromTheTrayMenuWithTheAboutBoxOpenEndsTheProgramCleanly) { PlayAndCheck(app, End::Exit); }

TEST_F(AppWin32, ClosingItsWindowsWithTheAboutBoxOpenEndsTheProgramCleanly) { PlayAndCheck(app, End::Close); }

TEST_F(AppWin32, TheSessionsEndWithTheAboutBoxOpenEndsTheProgramCleanly) { PlayAndCheck(app, End::Session); }

}  // namespace
