// The main window and the About box as real windows over Form1, whose services other
// than the user interface are fakes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "about/Abouts.h"
#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/OptionsPanelLayout.h"
#include "platform/win32/Win32UiApi.h"
#include "resource_ids.h"

namespace {

TEST(DpiWin32, TwipsBecomePixelsAtTheWindowsDpi) {
    EXPECT_EQ(TwipsToPixels(240, 96), 16);
    EXPECT_EQ(TwipsToPixels(195, 96), 13);
    EXPECT_EQ(TwipsToPixels(98, 96), 7) << "6.53 rounds up";
    EXPECT_EQ(TwipsToPixels(4410, 96), 294);
    EXPECT_EQ(TwipsToPixels(2895, 96), 193);
    EXPECT_EQ(TwipsToPixels(240, 192), 32);
    EXPECT_EQ(TwipsToPixels(195, 192), 26);
    EXPECT_EQ(TwipsToPixels(98, 192), 13);
    EXPECT_EQ(TwipsToPixels(4410, 192), 588);
    EXPECT_EQ(TwipsToPixels(2895, 192), 386);
    EXPECT_DOUBLE_EQ(PixelsToTwips(1, 96), 15.0);
    EXPECT_DOUBLE_EQ(PixelsToTwips(1, 192), 7.5);
    EXPECT_DOUBLE_EQ(PixelsToTwips(300, 96), 4500.0);
    EXPECT_EQ(FontHeightForDpi(8, 96), -11);
    EXPECT_EQ(FontHeightForDpi(8, 192), -21);
}

TEST(DpiWin32, ControlsInAFrameAreOffsetByIt) {
    const PanelControl* startWithWindows = nullptr;
    for (const PanelControl& control : OptionsPanelControls())
        if (control.id == IDC_CHECK0) startWithWindows = &control;
    ASSERT_NE(startWithWindows, nullptr);
    const TwipsRect twips = ClientTwipsRect(*startWithWindows);
    EXPECT_EQ(twips.left, 98 + 120);
    EXPECT_EQ(twips.top, 480 + 360);
    const RECT at96 = ClientPixelRect(*startWithWindows, 96);
    EXPECT_EQ(at96.left, 15);
    EXPECT_EQ(at96.top, 56);
    EXPECT_EQ(at96.right - at96.left, 121);
    EXPECT_EQ(at96.bottom - at96.top, 13);
    const RECT at192 = ClientPixelRect(*startWithWindows, 192);
    EXPECT_EQ(at192.left, 29);
    EXPECT_EQ(at192.top, 112);
    EXPECT_EQ(at192.right - at192.left, 242);
    EXPECT_EQ(at192.bottom - at192.top, 26);
}

class MainWindowWin32 : public ::testing::Test {
protected:
    MainWindowWin32() {
        redIcon = LoadIconW(nullptr, IDI_HAND);
        greenIcon = LoadIconW(nullptr, IDI_ASTERISK);
        form.Imge[0].picture = reinterpret_cast<Handle>(redIcon);
        form.Imge[1].picture = reinterpret_cast<Handle>(greenIcon);
        fake.system.major = 1;
        fake.system.minor = 4;
    }
    void TearDown() override {
        form.ender();
        window.reset();
        DrainMessages();
    }
    static void DrainMessages() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // Start-up as the program runs it.
    void Start() {
        window = std::make_unique<MainWindow>(GetModuleHandleW(nullptr), form);
        main = window->Hwnd();
        ASSERT_NE(main, nullptr);
        ui.SetOwnerWindow(main);
        ASSERT_TRUE(form.Form_Load());
        window->FirstDisplay();
        dpi = WindowDpi(main);
    }
    // The user opens the window from the tray.
    void StartAndOpen() {
        Start();
        form.RestoreFromTray();
        ASSERT_TRUE(IsWindowVisible(main));
    }
    HWND Item(int id) const { return GetDlgItem(main, id); }
    bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    RECT ClientRectOf(HWND control) const {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    static LOGFONTW FontOf(HWND control) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        return font;
    }
    std::int32_t Stored(const std::wstring& name) const {
        const FakeRegistry::Value* value =
            fake.registry.Find(kHkeyLocalMachine, L"Software\\Trayhush\\Settings", name);
        std::int32_t n = -99;
        if (value && value->data.size() == 4) std::memcpy(&n, value->data.data(), 4);
        return n;
    }

    FakePlatform fake;
    Win32UiApi ui{GetModuleHandleW(nullptr)};
    Platform platform{fake.registry, fake.files, fake.processes, fake.keyboard,
                      fake.shell,    fake.hooks, fake.system,    ui, fake.text};
    Form1 form{platform};
    std::unique_ptr<MainWindow> window;
    HWND main = nullptr;
    unsigned dpi = 96;
    HICON redIcon = nullptr;
    HICON greenIcon = nullptr;
};

TEST_F(MainWindowWin32, StartsHiddenWithItsDesignedBorderAndClientArea) {
    Start();
    EXPECT_FALSE(IsWindowVisible(main));
    wchar_t caption[32] = L"";
    GetWindowTextW(main, caption, 32);
    EXPECT_STREQ(caption, L"Trayhush");
    const LONG_PTR style = GetWindowLongPtrW(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "a fixed border";
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, TwipsToPixels(4410, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(2895, dpi));
    RECT outer{};
    GetWindowRect(main, &outer);
    EXPECT_DOUBLE_EQ(window->Width(), PixelsToTwips(outer.right - outer.left, dpi)) << "the whole window";
    EXPECT_DOUBLE_EQ(window->Height(), PixelsToTwips(outer.bottom - outer.top, dpi));
    EXPECT_GT(window->Height(), 2895.0) << "caption and menu bar come on top of the client area";
}

TEST_F(MainWindowWin32, ControlsSitAtTheirTwipPositionsWithTheirCaptionsAndFonts) {
    StartAndOpen();
    for (const PanelControl& control : OptionsPanelControls()) {
        if (control.kind == PanelControlKind::SignalField) {
            EXPECT_FALSE(IsWindowVisible(Item(control.id)));
            continue;
        }
        const RECT expected = ClientPixelRect(control, dpi);
        const RECT actual = ClientRectOf(Item(control.id));
        EXPECT_EQ(actual.left, expected.left) << control.id;
        EXPECT_EQ(actual.top, expected.top) << control.id;
        EXPECT_EQ(actual.right, expected.right) << control.id;
        EXPECT_EQ(actual.bottom, expected.bottom) << control.id;
        const LOGFONTW font = FontOf(Item(control.id));
        EXPECT_EQ(font.lfHeight, FontHeightForDpi(8, dpi)) << control.id;
        EXPECT_EQ(font.lfWeight, control.id == IDC_CHECK1 ? FW_BOLD : FW_NORMAL) << control.id;
    }
    const std::pair<int, const wchar_t*> captions[] = {
        {IDC_CHECK1, L"Enable Blocking"},
        {IDC_CHECK0, L"Start With Windows"},
        {IDC_CHECK2, L"Block on All Drives"},
        {IDC_CHECK3, L"Disk Entry Detection Method Two"},
        {IDC_CHECK4, L"Block Method Two (Requires Detection Type Two)"},
        {IDC_CHECK1BOX, L"Run Default Autorun Program after DVD insertion"},
        {IDC_FRAME0, L"Options:"},
        {IDC_FRAME1, L"Drives:"},
        {IDC_FRAME2, L"More Options:"}};
    for (const auto& [id, text] : captions) {
        wchar_t actual[64] = L"";
        GetWindowTextW(Item(id), actual, 64);
        EXPECT_STREQ(actual, text);
    }
}

// The panel's controls load the common controls; a program that stays in the tray makes
// them only when its window is first shown, with what the options became meanwhile.
TEST_F(MainWindowWin32, ThePanelIsMadeAtTheFirstShowingWithTheOptionsAsTheyAreThen) {
    fake.files.AddCdrom(L'D');
    fake.files.AddCdrom(L'E');
    Start();
    for (const PanelControl& control : OptionsPanelControls())
        EXPECT_EQ(Item(control.id) != nullptr, control.id == IDC_TEXT1) << control.id;
    form.Check[2].SetValue(0);
    form.Check[3].SetValue(1);
    form.List1.UserSetSelected(1, false);
    ASSERT_EQ(form.List1.ListCount(), 2);

    ShowWindow(main, SW_SHOWNOACTIVATE);
    EXPECT_FALSE(Checked(IDC_CHECK2));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_LIST1)));
    EXPECT_TRUE(Checked(IDC_CHECK3));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_CHECK4)));
    const HWND list = Item(IDC_LIST1);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(SendMessageW(list, LB_GETSEL, i, 0) > 0, form.List1.Selected(i)) << i;
    EXPECT_EQ(SendMessageW(list, LB_GETCARETINDEX, 0, 0), 1) << "the entry last clicked";
    EXPECT_EQ(FontOf(Item(IDC_CHECK1)).lfWeight, FW_BOLD) << "laid out with the window's fonts";
}

TEST_F(MainWindowWin32, TheTabOrderIsTheDesignsOrder) {
    StartAndOpen();
    std::vector<int> ids;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ids.push_back(GetDlgCtrlID(child));
    EXPECT_EQ(ids, (std::vector<int>{IDC_CHECK1, IDC_CHECK0, IDC_CHECK2, IDC_CHECK3, IDC_CHECK4,
                                     IDC_CHECK1BOX, IDC_LIST1, IDC_TEXT1, IDC_FRAME1, IDC_FRAME0,
                                     IDC_FRAME2}));
    EXPECT_EQ(GetWindowLongPtrW(Item(IDC_LIST1), GWL_STYLE) & (LBS_MULTIPLESEL | LBS_NOTIFY),
              LBS_MULTIPLESEL | LBS_NOTIFY);
}

TEST_F(MainWindowWin32, OpenShowsTheWindowCentredOnTheScreen) {
    Start();
    form.m_frmSysTray_MenuClick(0, L"show");
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));
    RECT rect{};
    GetWindowRect(main, &rect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& screen = monitor.rcMonitor;
    const int centredLeft = screen.left + ((screen.right - screen.left) - (rect.right - rect.left)) / 2;
    const int centredTop = screen.top + ((screen.bottom - screen.top) - (rect.bottom - rect.top)) / 2;
    EXPECT_NEAR(rect.left, centredLeft, 1);
    EXPECT_NEAR(rect.top, centredTop, 1);
}

TEST_F(MainWindowWin32, TheMinimiseButtonHidesTheWindowAndOpenBringsItBack) {
    Start();
    form.RestoreFromTray();
    ASSERT_TRUE(IsWindowVisible(main));
    SendMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(main));
    form.m_frmSysTray_MenuClick(0, L"show");
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));
}

TEST_F(MainWindowWin32, AClickOnABoxReachesTheOptionsAndTheirStoredValues) {
    StartAndOpen();
    ASSERT_TRUE(Checked(IDC_CHECK2));
    ASSERT_FALSE(IsWindowEnabled(Item(IDC_LIST1)));

    SendMessageW(Item(IDC_CHECK2), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Check[2].Value(), 0);
    EXPECT_FALSE(Checked(IDC_CHECK2));
    EXPECT_EQ(Stored(L"AllDrives"), 0);
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_LIST1)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_FRAME1)));

    SendMessageW(Item(IDC_CHECK1BOX), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Check1.Value(), 0);
    EXPECT_EQ(Stored(L"RunDefaultAutorunProgram"), 1);
}

TEST_F(MainWindowWin32, AValueSetFromCodeShowsInTheRealBox) {
    StartAndOpen();
    ASSERT_FALSE(Checked(IDC_CHECK3));
    ASSERT_FALSE(IsWindowEnabled(Item(IDC_CHECK4)));
    form.Check[3].SetValue(1);
    EXPECT_TRUE(Checked(IDC_CHECK3));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_CHECK4))) << "polling enables block method two";
}

TEST_F(MainWindowWin32, AGreyedBoxIgnoresClicks) {
    StartAndOpen();
    ASSERT_FALSE(form.Check[4].Enabled());
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_CHECK4, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(IDC_CHECK4)));
    EXPECT_EQ(form.Check[4].Value(), 0);
    EXPECT_EQ(Stored(L"BlockMethod"), 0);
}

TEST_F(MainWindowWin32, EnableBlockingSwitchesTheWindowsIcon) {
    StartAndOpen();
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(main, WM_GETICON, ICON_SMALL, 0)), greenIcon);
    SendMessageW(Item(IDC_CHECK1), BM_CLICK, 0, 0);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(main, WM_GETICON, ICON_SMALL, 0)), redIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(main, WM_GETICON, ICON_BIG, 0)), redIcon);
    EXPECT_EQ(Stored(L"Disabled"), 1);
}

TEST_F(MainWindowWin32, AClickInTheDriveListStoresTheSelection) {
    fake.files.AddCdrom(L'D');
    fake.files.AddCdrom(L'E');
    Start();
    form.RestoreFromTray();
    SendMessageW(Item(IDC_CHECK2), BM_CLICK, 0, 0);  // the list takes clicks only then
    const HWND list = Item(IDC_LIST1);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    ASSERT_TRUE(form.List1.Selected(1));

    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);

    EXPECT_EQ(SendMessageW(list, LB_GETSEL, 1, 0), 0);
    EXPECT_FALSE(form.List1.Selected(1));
    EXPECT_TRUE(form.List1.Selected(0));
    const FakeRegistry::Value* stored =
        fake.registry.Find(kHkeyLocalMachine, L"Software\\Trayhush\\Settings", L"Drivelist");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->type, kRegSz);
}

TEST_F(MainWindowWin32, TimersRunAsWindowTimersAndTheirTicksReachTheForm) {
    Start();
    EXPECT_FALSE(KillTimer(main, 7)) << "Timer7 is stopped under detection method one";
    form.Timer7.SetEnabled(true);
    EXPECT_TRUE(KillTimer(main, 7));
    form.Timer7.SetEnabled(false);

    form.Timer6.SetEnabled(true);
    const std::size_t keys = fake.keyboard.events.size();
    SendMessageW(main, WM_TIMER, 6, 0);
    ASSERT_EQ(fake.keyboard.events.size(), keys + 1) << "Timer6 releases the Shift key";
    EXPECT_FALSE(form.Timer6.Enabled());
    SendMessageW(main, WM_TIMER, 6, 0);
    EXPECT_EQ(fake.keyboard.events.size(), keys + 1) << "a stopped timer's late tick does nothing";
}

TEST_F(MainWindowWin32, ClosingTheWindowEndsTheProgram) {
    Start();
    const HWND tray = reinterpret_cast<HWND>(form.m_frmSysTray->IconRecord().hWnd);
    SendMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.Exited());
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(IsWindow(tray));
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the message loop ends";
}

TEST_F(MainWindowWin32, TheSessionsEndRunsTheExitRoutine) {
    Start();
    EXPECT_EQ(SendMessageW(main, WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageW(main, WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(form.Exited()) << "a cancelled end changes nothing";
    SendMessageW(main, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(form.Exited());
    ASSERT_FALSE(fake.keyboard.events.empty());
    EXPECT_EQ(fake.keyboard.events.back().flags, 2u) << "no Shift key is left pressed";
}

// The About box is modal: the test looks at it from a timer that fires inside its loop.
struct AboutVisit {
    HWND main = nullptr;
    HWND box = nullptr;
    bool mainDisabled = false;
    std::wstring caption, version, mail, home, maker;
    RECT client{};
    int tools = 0;
    std::wstring versionTip;
    COLORREF versionColour = 0, linkColour = 0;
    bool linkUnderlined = false;
    bool handCursor = false;
    bool openAfterLinkClick = false;
};
AboutVisit* g_visit = nullptr;

std::wstring TextOf(HWND window) {
    wchar_t text[128] = L"";
    GetWindowTextW(window, text, 128);
    return text;
}

HWND TipsOf(HWND box) {
    struct Search {
        HWND box, found;
    } search{box, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            wchar_t name[64] = L"";
            GetClassNameW(window, name, 64);
            if (GetWindow(window, GW_OWNER) == s->box && std::wstring(name) == TOOLTIPS_CLASSW) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

COLORREF TextColourOf(HWND box, HWND label) {
    const HDC dc = GetDC(box);
    SendMessageW(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    const COLORREF colour = GetTextColor(dc);
    ReleaseDC(box, dc);
    return colour;
}

HWND LabelWithText(HWND box, const std::wstring& text) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (TextOf(child) == text) return child;
    return nullptr;
}

void CALLBACK VisitAbout(HWND, UINT, UINT_PTR timer, DWORD) {
    AboutVisit& visit = *g_visit;
    const HWND box = FindWindowW(L"TrayhushAboutBox", nullptr);
    if (!box || !IsWindowVisible(box)) return;
    KillTimer(nullptr, timer);
    visit.box = box;
    visit.mainDisabled = !IsWindowEnabled(visit.main);
    visit.caption = TextOf(box);
    GetClientRect(box, &visit.client);
    const HWND version = LabelWithText(box, L"Version 1.4");
    visit.version = version ? TextOf(version) : L"";
    visit.mail = TextOf(GetDlgItem(box, IDC_LINK_MAIL));
    visit.home = TextOf(GetDlgItem(box, IDC_LINK_HOME));
    visit.maker = LabelWithText(box, kMakerLine) ? kMakerLine : L"";
    if (const HWND tips = TipsOf(box)) {
        visit.tools = static_cast<int>(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0));
        wchar_t text[80] = L"";
        TTTOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = box;
        info.uId = reinterpret_cast<UINT_PTR>(version);
        info.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
        visit.versionTip = text;
    }
    const HWND mail = GetDlgItem(box, IDC_LINK_MAIL);
    visit.versionColour = TextColourOf(box, version);
    visit.linkColour = TextColourOf(box, mail);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(mail, WM_GETFONT, 0, 0)), sizeof font, &font);
    visit.linkUnderlined = font.lfUnderline && font.lfWeight == FW_BOLD;
    visit.handCursor = SendMessageW(box, WM_SETCURSOR, reinterpret_cast<WPARAM>(mail),
                                    MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) == TRUE &&
                       GetCursor() == LoadCursorW(nullptr, IDC_HAND);

    SendMessageW(mail, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(mail, WM_LBUTTONUP, 0, 0);
    visit.openAfterLinkClick = IsWindowVisible(box) != FALSE;
    SendMessageW(GetDlgItem(box, IDC_ABOUT_CLOSE), BM_CLICK, 0, 0);
}

TEST_F(MainWindowWin32, TheAboutBoxShowsNameVersionAndLinksModally) {
    Start();
    AboutVisit visit;
    visit.main = main;
    g_visit = &visit;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, VisitAbout);
    SendMessageW(main, WM_COMMAND, IDM_ABOUT, 0);  // Help, About: returns once it is closed
    KillTimer(nullptr, timer);
    g_visit = nullptr;

    ASSERT_NE(visit.box, nullptr) << "the About box never showed";
    EXPECT_FALSE(IsWindow(visit.box)) << "Close unloads it";
    EXPECT_TRUE(visit.mainDisabled) << "modal";
    EXPECT_TRUE(IsWindowEnabled(main)) << "and the main window is back";
    EXPECT_EQ(visit.caption, L"About Trayhush");
    EXPECT_EQ(visit.client.right, TwipsToPixels(5355, dpi));
    EXPECT_EQ(visit.client.bottom, TwipsToPixels(1755, dpi));
    EXPECT_EQ(visit.version, L"Version 1.4");
    EXPECT_EQ(visit.mail, kMailAddress);
    EXPECT_EQ(visit.home, kHomePageAddress);
    EXPECT_EQ(visit.maker, kMakerLine);
    EXPECT_EQ(visit.tools, 3);
    EXPECT_EQ(visit.versionTip, L"Trayhush Version");
    EXPECT_EQ(visit.versionColour, RGB(255, 0, 0));
    EXPECT_EQ(visit.linkColour, RGB(0, 0, 255));
    EXPECT_TRUE(visit.linkUnderlined);
    EXPECT_TRUE(visit.handCursor);
    EXPECT_TRUE(visit.openAfterLinkClick);
    ASSERT_EQ(fake.shell.executed.size(), 1u);
    EXPECT_EQ(fake.shell.executed[0].file, std::wstring(L"mailto:") + kMailAddress);
}

}  // namespace
