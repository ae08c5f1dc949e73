// The whole program in this process: the Win32App that wWinMain runs, over the real
// registry, shell, keyboard and notification area. The user is played by a timer that
// fires inside whichever message loop runs: the program's own, the tray menu's or the
// About box's.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>

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
    // The icon's owner and identifier, once the program has started.
    HWND Tray() const { return FindTrayWindow(GetCurrentProcessId()); }
    UINT IconId() const { return static_cast<UINT>(GetClassLongPtrW(Tray(), GCLP_HICON)); }

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
    EXPECT_FALSE(HasTaskBarButton(main)) << "started in the tray";
    SendMessageW(Tray(), 0x200, IconId(), WM_LBUTTONUP);
    EXPECT_TRUE(HasTaskBarButton(main)) << "shown by a click on the icon";
    SendMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(HasTaskBarButton(main)) << "minimised to the tray";
}

// A second copy ends before it makes any window; the first runs on.
TEST_F(AppWin32, ASecondCopyEndsAtOnce) {
    ASSERT_TRUE(app.Start());
    Win32App second{GetModuleHandleW(nullptr)};
    EXPECT_FALSE(second.Start());
    EXPECT_EQ(second.MainWindowHandle(), nullptr);
    EXPECT_TRUE(IsWindow(app.MainWindowHandle()));
}

// Hands out queued messages until done() holds, five seconds at most: a bound, not a demand.
void PumpUntil(const std::function<bool(const MSG&)>& done) {
    MSG message{};
    for (const ULONGLONG end = GetTickCount64() + 5000; GetTickCount64() < end;) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
            if (done(message)) return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// Detection method one hooks the real window, which answers as before, and hands it the
// shell's media insertions (Wine tells only the process that raises them: this one).
// Method two puts the window's own procedure back, and the insertions stop coming.
TEST_F(AppWin32, TheShellsInsertionsReachTheWindowOnlyWhileMethodOneRuns) {
    ASSERT_TRUE(app.Start());
    const HWND main = app.MainWindowHandle();
    const LONG_PTR own = GetClassLongPtrW(main, GCLP_WNDPROC);
    wchar_t letter = L'P', caption[16] = {};
    for (const int methodTwo : {0, 1, 0}) {
        app.Form().Check[3].SetValue(methodTwo);
        EXPECT_EQ(GetWindowLongPtrW(main, GWLP_WNDPROC) == own, methodTwo == 1);
        EXPECT_EQ(GetWindowTextW(main, caption, 16), 8) << "the hooked window answers as before";
        const std::wstring root = std::wstring(1, letter++) + L":\\";
        SHChangeNotify(SHCNE_MEDIAINSERTED, SHCNF_PATHW, root.c_str(), nullptr);
        // Posted after the notification, it comes after anything the shell queued for it.
        PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
        PumpUntil([&](const MSG& m) { return methodTwo ? m.message == WM_APP && !m.hwnd : app.Form().Text1.Text() == root; });
        EXPECT_EQ(app.Form().Text1.Text() == root, methodTwo == 0) << "method two " << methodTwo;
    }
}

// The user: right-click the icon, "&About"; with the box open, "&About" again; then, with
// Shift held, "&Exit", or, as an uninstaller does, a WM_CLOSE to the main window, or the
// end of the session: first one that another program refuses, then the real one. Each
// step waits for the menu or the box it needs; the program must end cleanly all the same.
enum class End { Exit, Close, Session };
struct User {
    End end = End::Exit;
    HWND main = nullptr, tray = nullptr, firstBox = nullptr;
    UINT iconId = 0;
    int step = 0, ticks = 0, aboutBoxes = 0;
    char menuKey = 0;
    wchar_t version[32] = {};
    bool firstBoxInFront = false, trayWindowOutlivedItsMenu = false, cancelledEndKeptAll = true, endAgreed = true;
    bool endLeftNothing = true, gaveUp = false;
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

void EndSession(User& user) {
    user.endAgreed = SendMessageW(user.main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF) == TRUE;
    SendMessageW(user.main, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    user.cancelledEndKeptAll = ShiftIsDown() && TrayIconPresent(user.tray, user.iconId);
    // The session may end the process once this is answered: all is cleaned up by then.
    SendMessageW(user.main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    user.endLeftNothing = !ShiftIsDown() && !TrayIconPresent(user.tray, user.iconId);
}

void CALLBACK PlayUser(HWND, UINT, UINT_PTR, DWORD) {
    User& user = *g_user;
    // A program that never gets to its end must not hold the whole suite.
    if (++user.ticks > kGiveUpTicks) {
        user.gaveUp = true;
        PostQuitMessage(0);
    }
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu && IsWindowVisible(menu)) {
        if (user.menuKey) PostMessageW(menu, WM_CHAR, static_cast<WPARAM>(user.menuKey), 0);
        user.menuKey = 0;
        return;
    }
    switch (user.step) {
        case 0:
            user.main = FindWindowW(L"TrayhushMainWindow", nullptr);
            user.tray = FindTrayWindow(GetCurrentProcessId());
            user.iconId = static_cast<UINT>(GetClassLongPtrW(user.tray, GCLP_HICON));
            if (!TrayIconPresent(user.tray, user.iconId)) return;
            user.step = 1;
            ChooseFromTrayMenu(user, 'a');
            break;
        case 1:
            user.firstBox = AboutBox();
            if (!user.firstBox) return;
            GetDlgItemTextW(user.firstBox, about_design::kVersionLabel, user.version, 32);
            user.step = 2;
            ChooseFromTrayMenu(user, 'a');
            break;
        case 2:
            user.aboutBoxes = CountAboutBoxes();
            user.firstBoxInFront = GetForegroundWindow() == user.firstBox;
            user.step = 3;
            keybd_event(VK_SHIFT, 0, 0, 0);
            // Only the menu's exit can destroy the tray window inside that window's own call.
            user.trayWindowOutlivedItsMenu = true;
            if (user.end == End::Close) PostMessageW(user.main, WM_CLOSE, 0, 0);
            if (user.end == End::Session) EndSession(user);
            if (user.end != End::Exit) break;
            ChooseFromTrayMenu(user, 'e');
            user.trayWindowOutlivedItsMenu = IsWindow(user.tray) != FALSE;
            break;
        default:
            break;
    }
}

void PlayAndCheck(Win32App& app, End end) {
    User user;
    user.end = end;
    g_user = &user;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, PlayUser);
    const int exitCode = app.Run();
    KillTimer(nullptr, timer);
    g_user = nullptr;

    ASSERT_EQ(user.step, 3) << "the tray icon never showed, or the user never got to the end";
    EXPECT_STREQ(user.version, L"Version 2.12") << "the version of the test program's own resource";
    EXPECT_EQ(user.aboutBoxes, 1) << "a second \"&About\" stacked another box";
    EXPECT_TRUE(user.firstBoxInFront) << "a second \"&About\" brings the open box to the front";
    EXPECT_TRUE(user.trayWindowOutlivedItsMenu) << "the tray window was destroyed inside its own menu's call";
    EXPECT_TRUE(user.endAgreed) << "Trayhush must not hold up the end of the session";
    EXPECT_TRUE(user.cancelledEndKeptAll) << "a cancelled end of the session let go of Shift or took the icon";
    EXPECT_TRUE(user.endLeftNothing) << "the end of the session was answered before Shift and the icon were let go";
    EXPECT_FALSE(user.gaveUp) << "the program did not end by itself";
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(IsWindow(user.main));
    EXPECT_FALSE(IsWindow(user.tray));
    EXPECT_EQ(CountAboutBoxes(), 0);
    EXPECT_FALSE(TrayIconPresent(user.tray, user.iconId)) << "the tray icon was left behind";
    EXPECT_FALSE(ShiftIsDown()) << "Shift was left down";
}

TEST_F(AppWin32, ExitFromTheTrayMenuWithTheAboutBoxOpenEndsTheProgramCleanly) { PlayAndCheck(app, End::Exit); }

TEST_F(AppWin32, AWindowCloseWithTheAboutBoxOpenEndsTheProgramCleanly) { PlayAndCheck(app, End::Close); }

TEST_F(AppWin32, TheSessionsEndWithTheAboutBoxOpenEndsTheProgramCleanly) { PlayAndCheck(app, End::Session); }

}  // namespace
