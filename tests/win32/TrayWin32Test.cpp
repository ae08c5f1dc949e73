// The tray component over the real notification area: the icon record as the shell gets
// it, the popup menu, the icon's life, and the shell's callbacks reaching the program.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "about/Abouts.h"
#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/TrayIconData.h"
#include "platform/win32/TrayPopupMenu.h"
#include "platform/win32/Win32UiApi.h"
#include "tray/TipField.h"

namespace {

std::string TipOf(const NOTIFYICONDATAA& data) { return std::string(data.szTip, kTipBytes); }

TEST(TrayIconDataWin32, TheRecordTravelsInTheFirstLayoutWithA64ByteTip) {
    NotifyIconRecord record;
    record.cbSize = 88;
    record.hWnd = 0x1234;
    record.uID = 0x1C0;
    record.uFlags = 7;
    record.uCallbackMessage = 0x200;
    record.hIcon = 0x6EE;
    record.szTip = MakeTipField(L"Trayhush");

    const NOTIFYICONDATAA data = ToNotifyIconData(record);
    EXPECT_EQ(data.cbSize, NOTIFYICONDATAA_V1_SIZE);
    if (sizeof(void*) == 4) {
        EXPECT_EQ(data.cbSize, 88u);
    }
    EXPECT_EQ(data.hWnd, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(data.uID, 0x1C0u);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 0x200u);
    EXPECT_EQ(data.hIcon, reinterpret_cast<HICON>(0x6EE));
    EXPECT_EQ(TipOf(data), std::string("Trayhush") + '\0' + std::string(55, ' '));
}

TEST(TrayIconDataWin32, ALongTipReachesTheShellAsSixtyThreeBytesAndANul) {
    NotifyIconRecord record;
    record.szTip = MakeTipField(std::wstring(70, L'x'));
    EXPECT_EQ(TipOf(ToNotifyIconData(record)), std::string(63, 'x') + '\0');
}

TEST(TrayPopupMenuWin32, SeparatorsDefaultItemAndCommandsFollowTheItems) {
    const std::vector<TrayMenuItem> items{{L"&Open", true},  {L"-", true},     {L"&Homepage", true},
                                          {L"&About", true}, {L"-", true},     {L"&Exit", true}};
    const UniqueMenu menu = BuildTrayPopupMenu(items, 0);
    ASSERT_TRUE(menu);
    ASSERT_EQ(GetMenuItemCount(menu.get()), 6);
    EXPECT_EQ(GetMenuDefaultItem(menu.get(), TRUE, 0), 0u) << "\"&Open\" in bold";
    for (int i = 0; i < 6; ++i) {
        const bool separator = (GetMenuState(menu.get(), i, MF_BYPOSITION) & MF_SEPARATOR) != 0;
        EXPECT_EQ(separator, i == 1 || i == 4) << "item " << i;
        EXPECT_EQ(ChosenItemIndex(GetMenuItemID(menu.get(), i)), i);
        if (separator) continue;
        wchar_t caption[32] = L"";
        GetMenuStringW(menu.get(), i, caption, 32, MF_BYPOSITION);
        EXPECT_EQ(caption, items[i].caption);
    }
    EXPECT_EQ(ChosenItemIndex(0), -1) << "a dismissed menu chooses nothing";
}

TEST(TrayPopupMenuWin32, HiddenItemsAreLeftOutButKeepTheirIndexes) {
    const std::vector<TrayMenuItem> items{{L"a", true}, {L"b", false}, {L"c", true}};
    const UniqueMenu menu = BuildTrayPopupMenu(items, 2);
    ASSERT_EQ(GetMenuItemCount(menu.get()), 2);
    EXPECT_EQ(ChosenItemIndex(GetMenuItemID(menu.get(), 1)), 2);
    EXPECT_EQ(GetMenuDefaultItem(menu.get(), TRUE, 0), 1u);
}

// A Form1 whose tray and windows are real and whose other services are fakes.
class TrayWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        if (!FindWindowW(L"Shell_TrayWnd", nullptr)) GTEST_SKIP() << "no notification area here";
        form.Imge[0].picture = reinterpret_cast<Handle>(LoadIconW(nullptr, IDI_HAND));
        form.Imge[1].picture = reinterpret_cast<Handle>(LoadIconW(nullptr, IDI_ASTERISK));
    }
    void TearDown() override {
        form.ender();
        window.reset();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    void StartWithWindow() {
        window = std::make_unique<MainWindow>(GetModuleHandleW(nullptr), form);
        ui.SetOwnerWindow(window->Hwnd());
        ASSERT_TRUE(form.Form_Load());
        window->FirstDisplay();
    }
    HWND TrayHwnd() const { return reinterpret_cast<HWND>(form.m_frmSysTray->IconRecord().hWnd); }
    // Whether the shell holds an icon under the component's window and identifier: only
    // then does it accept a modification.
    bool IconPresent(HWND trayWindow, UINT id) const {
        NOTIFYICONDATAA data{};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = trayWindow;
        data.uID = id;
        return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    }
    void Callback(UINT mouseMessage) {
        SendMessageW(TrayHwnd(), FrmSystray::kCallbackMessage, form.m_frmSysTray->IconRecord().uID, mouseMessage);
    }

    FakePlatform fake;
    Win32UiApi ui{GetModuleHandleW(nullptr)};
    Platform platform{fake.registry, fake.files, fake.processes, fake.keyboard,
                      fake.shell,    fake.hooks, fake.system,    ui, fake.text};
    Form1 form{platform};
    std::unique_ptr<MainWindow> window;
};

TEST_F(TrayWin32, TheIconIsThereFromStartUpWithItsTipAndGoneAtExit) {
    ASSERT_TRUE(form.Form_Load());
    const HWND trayWindow = TrayHwnd();
    const UINT id = form.m_frmSysTray->IconRecord().uID;
    ASSERT_TRUE(IsWindow(trayWindow));
    EXPECT_FALSE(IsWindowVisible(trayWindow));
    EXPECT_EQ(id, static_cast<UINT>(GetClassLongPtrW(trayWindow, GCLP_HICON))) << "the window's own icon";
    EXPECT_EQ(TipOf(ToNotifyIconData(form.m_frmSysTray->IconRecord())),
              std::string("Trayhush") + '\0' + std::string(55, ' '));
    EXPECT_TRUE(IconPresent(trayWindow, id));

    form.ender();
    EXPECT_FALSE(IconPresent(trayWindow, id));
    EXPECT_FALSE(IsWindow(trayWindow));
}

TEST_F(TrayWin32, ANewTaskbarGetsTheIconBack) {
    ASSERT_TRUE(form.Form_Load());
    const HWND trayWindow = TrayHwnd();
    const UINT id = form.m_frmSysTray->IconRecord().uID;
    NOTIFYICONDATAA gone{};
    gone.cbSize = NOTIFYICONDATAA_V1_SIZE;
    gone.hWnd = trayWindow;
    gone.uID = id;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &gone));  // as when Explorer restarts
    ASSERT_FALSE(IconPresent(trayWindow, id));

    SendMessageW(trayWindow, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(IconPresent(trayWindow, id));
}

TEST_F(TrayWin32, ALeftClickOnTheIconShowsTheMainWindowAndTheNextHidesIt) {
    StartWithWindow();
    const HWND main = window->Hwnd();
    ASSERT_FALSE(IsWindowVisible(main));
    Callback(WM_LBUTTONDOWN);
    EXPECT_FALSE(IsWindowVisible(main)) << "the press does nothing";
    Callback(WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));
    Callback(WM_LBUTTONDOWN);
    Callback(WM_LBUTTONUP);
    EXPECT_FALSE(IsWindowVisible(main));
}

// Chooses a tray menu item by its mnemonic as soon as the menu is open.
char g_menuKey = 0;
void CALLBACK PressMenuKey(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    KillTimer(nullptr, timer);
    PostMessageW(menu, WM_CHAR, static_cast<WPARAM>(g_menuKey), 0);
}

TEST_F(TrayWin32, ARightPressOpensTheMenuAndItsChoiceIsCarriedOut) {
    StartWithWindow();
    g_menuKey = 'h';
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, PressMenuKey);
    Callback(WM_RBUTTONDOWN);  // returns once the menu has closed
    KillTimer(nullptr, timer);
    ASSERT_EQ(fake.shell.executed.size(), 1u) << "\"&Homepage\" was chosen";
    EXPECT_EQ(fake.shell.executed[0].file, kHomePageAddress);
}

}  // namespace
