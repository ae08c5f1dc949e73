// The whole program in this process: the Win32App that wWinMain runs, over the real
// registry, shell, keyboard and notification area. The user is played by a timer that
// fires inside whichever message loop runs: the program's own, the tray menu's or the
// About box's.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/ShiftKey.h"
#include "harness/RegistryState.h"
#include "harness/TrayhushWindows.h"
#include "program/Win32App.h"

namespace {

class AppWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        if (!FindWindowW(L"Shell_TrayWnd", nullptr)) GTEST_SKIP() << "no notification area here";
        trayhush::e2e::ForgetEverything();
    }
    void TearDown() override {
        trayhush::e2e::ReleaseShift();
        trayhush::e2e::ForgetEverything();
    }
    Win32App app{GetModuleHandleW(nullptr)};
};

// An icon's size, from its colour image (the program's icons are 32-bit).
SIZE IconSize(LRESULT icon) {
    ICONINFO info{};
    BITMAP bitmap{};
    if (!icon || !GetIconInfo(reinterpret_cast<HICON>(icon), &info)) return SIZE{0, 0};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return SIZE{bitmap.bmWidth, bitmap.bmHeight};
}

// What gives a window a task-bar button: shown, unowned and not a tool window.
bool HasTaskBarButton(HWND window) {
    return IsWindowVisible(window) && !GetWindow(window, GW_OWNER) &&
           !(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

// Alt+Tab shows the large image, not a stretched small one; the task bar shows the window
// while it is open, and not while it sits in the tray.
TEST_F(AppWin32, TheWindowsIconsHaveTheirSizesAndItsTaskBarButtonFollowsIt) {
    ASSERT_TRUE(app.Start());
    const HWND main = app.MainWindowHandle();
    const SIZE small = IconSize(SendMessageW(main, WM_GETICON, ICON_SMALL, 0));
    const SIZE big = IconSize(SendMessageW(main, WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(small.cx, GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(small.cy, GetSystemMetrics(SM_CYSMICON));
    EXPECT_EQ(big.cx, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(big.cy, GetSystemMetrics(SM_CYICON));

    const HWND tray = trayhush::e2e::FindTrayWindow(GetCurrentProcessId());
    EXPECT_FALSE(HasTaskBarButton(main)) << "started in the tray";
    SendMessageW(tray, 0x200, GetClassLongPtrW(tray, GCLP_HICON), WM_LBUTTONUP);
    EXPECT_TRUE(HasTaskBarButton(main)) << "shown by a click on the icon";
    SendMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(HasTaskBarButton(main)) << "minimised to the tray";
}

// The user: right-click the icon, "&About"; with the box open, "&About" again; then, with
// Shift held, "&Exit" (or, as an uninstaller does, a WM_CLOSE to the main window). Each
// step waits for the menu or the box it needs.
struct User {
    bool closeWindow = false;
    HWND main = nullptr, tray = nullptr, firstBox = nullptr;
    UINT iconId = 0;
    int step = 0, ticks = 0, aboutBoxes = 0;
    char menuKey = 0;
    bool firstBoxInFront = false, trayWindowOutlivedItsMenu = false;
};
User* g_user = nullptr;
// Far more than the whole play needs at one step per 20 ms tick.
constexpr int kGiveUpTicks = 1500;

HWND AboutBox() {
    const HWND box = FindWindowW(L"TrayhushAboutBox", nullptr);
    return box && IsWindowVisible(box) ? box : nullptr;
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

void CALLBACK PlayUser(HWND, UINT, UINT_PTR, DWORD) {
    User& user = *g_user;
    // A program that never gets to its end must not hold the whole suite.
    if (++user.ticks > kGiveUpTicks) PostQuitMessage(0);
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu && IsWindowVisible(menu)) {
        if (user.menuKey) PostMessageW(menu, WM_CHAR, static_cast<WPARAM>(user.menuKey), 0);
        user.menuKey = 0;
        return;
    }
    switch (user.step) {
        case 0:
            user.main = FindWindowW(L"TrayhushMainWindow", nullptr);
            user.tray = trayhush::e2e::FindTrayWindow(GetCurrentProcessId());
            user.iconId = static_cast<UINT>(GetClassLongPtrW(user.tray, GCLP_HICON));
            if (!trayhush::e2e::TrayIconPresent(user.tray, user.iconId)) return;
            user.step = 1;
            ChooseFromTrayMenu(user, 'a');
            break;
        case 1:
            user.firstBox = AboutBox();
            if (!user.firstBox) return;
            user.step = 2;
            ChooseFromTrayMenu(user, 'a');
            break;
        case 2:
            user.aboutBoxes = CountAboutBoxes();
            user.firstBoxInFront = GetForegroundWindow() == user.firstBox;
            user.step = 3;
            keybd_event(VK_SHIFT, 0, 0, 0);
            if (user.closeWindow) {
                PostMessageW(user.main, WM_CLOSE, 0, 0);
                user.trayWindowOutlivedItsMenu = true;  // nothing to tell: the close comes after
                break;
            }
            ChooseFromTrayMenu(user, 'e');
            user.trayWindowOutlivedItsMenu = IsWindow(user.tray) != FALSE;
            break;
        default:
            break;
    }
}

void PlayAndCheck(Win32App& app, bool closeWindow) {
    User user;
    user.closeWindow = closeWindow;
    g_user = &user;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, PlayUser);
    const int exitCode = app.Run();
    KillTimer(nullptr, timer);
    g_user = nullptr;
    // The main window's WM_DESTROY asks for a quit once more, after the loop: a program
    // ends there, this test process goes on to the next program.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}

    ASSERT_EQ(user.step, 3) << "the tray icon never showed, or the user never got to the end";
    EXPECT_EQ(user.aboutBoxes, 1) << "a second \"&About\" stacked another box";
    EXPECT_TRUE(user.firstBoxInFront) << "a second \"&About\" brings the open box to the front";
    EXPECT_TRUE(user.trayWindowOutlivedItsMenu) << "the tray window was destroyed inside its own menu's call";
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(IsWindow(user.main));
    EXPECT_FALSE(IsWindow(user.tray));
    EXPECT_EQ(CountAboutBoxes(), 0);
    EXPECT_FALSE(trayhush::e2e::TrayIconPresent(user.tray, user.iconId)) << "the tray icon was left behind";
    EXPECT_FALSE(trayhush::e2e::ShiftIsDown()) << "Shift was left down";
}

TEST_F(AppWin32, ExitFromTheTrayMenuWithTheAboutBoxOpenEndsTheProgramCleanly) { PlayAndCheck(app, false); }

TEST_F(AppWin32, AWindowCloseWithTheAboutBoxOpenEndsTheProgramCleanly) { PlayAndCheck(app, true); }

}  // namespace
