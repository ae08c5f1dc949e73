#include "Form1Fixture.h"
#include "about/Abouts.h"
#include "tray/TrayCallback.h"

namespace {

// What each of the shell's mouse messages over the icon raises: the left button's release
// stands for its press, and the middle button raises nothing.
TEST(TrayCallback, EachMouseMessageRaisesItsEvent) {
    using E = TrayEvent;
    const struct { std::uint32_t message; TrayEvent event; std::int32_t button; } rows[] = {
        {0x200, E::MouseMove, 0}, {0x201, E::None, 0}, {0x202, E::MouseDown, 1}, {0x203, E::DoubleClick, 1},
        {0x204, E::MouseDown, 2}, {0x205, E::MouseUp, 2}, {0x206, E::DoubleClick, 2},
        {0x207, E::None, 0}, {0x208, E::None, 0}, {0x209, E::None, 0},
    };
    for (const auto& row : rows) {
        const TrayCallback raised = DecodeTrayCallback(row.message);
        EXPECT_TRUE(raised.event == row.event && raised.button == row.button) << std::hex << row.message;
    }
}

// The shell hears of the icon once at the start, then only of real changes: a tip cut to
// 63 characters, so that its NUL fits, and a new icon. A new taskbar gets the whole icon
// again, so that it answers clicks and shows its tip; the end deletes it.
TEST(FrmSystray, TheShellHearsOfEachRealChangeOnce) {
    FakeUi ui;
    FakeSystem system;
    FrmSystray tray(ui, system);
    const std::wstring tip(70, L'x'), shown(63, L'x');
    tray.SetToolTip(L"Trayhush");  // the program's description, shown from the start
    tray.SetIconHandle(tray.IconHandle());
    tray.SetToolTip(tip);
    tray.SetToolTip(shown);
    tray.SetIconHandle(Icon{0x6EE});
    tray.OnTaskbarCreated();
    tray.Unload();
    std::wstring commands;
    for (const auto& call : ui.tray->icon) commands += std::to_wstring(call.first) + std::to_wstring(call.second.uFlags);
    EXPECT_EQ(commands, L"07" L"14" L"12" L"07" L"22");
    const NotifyIconRecord& again = ui.tray->icon[3].second;
    EXPECT_EQ(again.szTip, shown + L'\0');
    EXPECT_EQ(again.hIcon, Icon{0x6EE});
    EXPECT_EQ(again.uCallbackMessage, 0x200u);
    EXPECT_EQ(tray.ToolTip(), shown);
}

class TrayTest : public Form1Fixture {};

// A left click on the icon shows the window in the middle of the screen (whole twips,
// halves to even, halved with the remainder dropped); a second hides it again.
TEST_F(TrayTest, ALeftClickShowsTheWindowCentredAndASecondHidesIt) {
    const struct { double screenWidth, screenHeight, width, height; int left, top; } rows[] = {
        {15360, 11520, 4500, 3405, 5430, 4058}, {1000.5, 1001, 3.5, 2.5, 498, 499},
    };
    for (const auto& row : rows) {
        form.screenWidth = row.screenWidth, form.screenHeight = row.screenHeight;
        form.width = row.width, form.height = row.height;
        Restart();
        Load();
        ASSERT_TRUE(form.minimized && !form.visible) << "start-up hides the window";
        form1->m_frmSysTray_SysTrayMouseDown(1);
        EXPECT_TRUE(form.visible && !form.minimized);
        EXPECT_EQ(form.left, row.left);
        EXPECT_EQ(form.top, row.top);
        form1->m_frmSysTray_SysTrayMouseDown(1);
        EXPECT_TRUE(form.minimized && !form.visible);
    }
}

// A right click opens the tray menu, "&Open" in bold; each item does its own work.
TEST_F(TrayTest, EachTrayMenuItemDoesItsWork) {
    const struct { const wchar_t* caption; std::function<bool()> done; } rows[] = {
        {L"&Open", [this] { return form.visible; }},
        {L"&Homepage", [this] { return fake.shell.executed.size() == 1 && fake.shell.executed[0] == kHomePageAddress; }},
        {L"&About", [this] { return fake.ui.aboutBoxes == 1; }},
        {L"&Exit", [this] { return form.loopEnded; }},
    };
    for (const auto& row : rows) {
        Restart();
        Load();
        form1->m_frmSysTray_SysTrayMouseDown(2);
        const std::vector<TrayMenuItem>& menu = fake.ui.tray->menu;
        ASSERT_EQ(menu.at(fake.ui.tray->menuDefault).caption, L"&Open");
        for (std::size_t i = 0; i < menu.size(); ++i)
            if (menu[i].caption == row.caption) fake.ui.tray->choice = static_cast<int>(i);
        form1->m_frmSysTray_SysTrayMouseDown(2);
        EXPECT_TRUE(row.done()) << row.caption;
    }
}

// Both links open their addresses, the mail address as a mailto: link.
TEST(Abouts, EachLinkOpensItsAddress) {
    FakeShell shell;
    FakeSystem system;
    Abouts about(shell, system);
    about.Labelr_Click(0);
    about.Labelr_Click(1);
    ASSERT_EQ(shell.executed.size(), 2u);
    EXPECT_EQ(shell.executed[0], L"mailto:" + about.MailAddress());
    EXPECT_EQ(shell.executed[1], about.HomePageAddress());
}

}  // namespace
