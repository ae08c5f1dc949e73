#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeSystem.h"
#include "fakes/FakeUi.h"
#include "tray/FrmSystray.h"
#include "tray/TipField.h"

namespace {

// The component on its own, its events written down as "down 1", "up 2", "double 1",
// "move" and "menu 3 About".
class TrayTest : public ::testing::Test {
protected:
    TrayTest() {
        tray.SysTrayMouseDown = [this](std::int32_t b) { events.push_back("down " + std::to_string(b)); };
        tray.SysTrayMouseUp = [this](std::int32_t b) { events.push_back("up " + std::to_string(b)); };
        tray.SysTrayMouseMove = [this] { events.push_back("move"); };
        tray.SysTrayDoubleClick = [this](std::int32_t b) { events.push_back("double " + std::to_string(b)); };
        tray.MenuClick = [this](std::int32_t i, const std::wstring& key) {
            events.push_back("menu " + std::to_string(i) + " " + std::string(key.begin(), key.end()));
        };
    }

    std::vector<std::string> Callbacks(std::initializer_list<std::uint32_t> messages) {
        tray.AddMenuItem(L"&Open", L"show");
        events.clear();
        for (std::uint32_t message : messages) tray.OnCallback(message);
        return events;
    }
    const TrayLog::Call& LastCall() const { return ui.tray.calls.back(); }

    FakeUi ui;
    FakeSystem system;
    FrmSystray tray{ui, system};
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(TrayTest, TheLeftButtonReportsItsClickOnRelease) {
    EXPECT_EQ(Callbacks({0x201}), Events{});
    EXPECT_EQ(Callbacks({0x201, 0x202}), Events{"down 1"});
}

TEST_F(TrayTest, ALeftDoubleClickIsTwoClicksAroundTheDoubleClick) {
    EXPECT_EQ(Callbacks({0x201, 0x202, 0x203, 0x202}), (Events{"down 1", "double 1", "down 1"}));
}

TEST_F(TrayTest, TheRightButtonReportsPressAndRelease) {
    EXPECT_EQ(Callbacks({0x204, 0x205}), (Events{"down 2", "up 2"}));
    EXPECT_EQ(Callbacks({0x206}), Events{"double 2"});
}

TEST_F(TrayTest, MovementHasNoArgumentsAndOtherMessagesRaiseNothing) {
    EXPECT_EQ(Callbacks({0x200}), Events{"move"});
    // Middle button down, up, double click; the wheel; nothing; a key.
    EXPECT_EQ(Callbacks({0x207, 0x208, 0x209, 0x20A, 0, 0x100}), Events{});
}

TEST_F(TrayTest, NothingIsCreatedBeforeFirstUse) {
    EXPECT_EQ(ui.trayWindows, 0);
    EXPECT_TRUE(ui.tray.calls.empty());
    EXPECT_FALSE(tray.Loaded());
}

TEST_F(TrayTest, FirstUseAddsTheIconWithTheWindowsOwnIconAndTheFileDescription) {
    system.description = L"Trayhush";
    tray.AddMenuItem(L"&Open", L"show");

    ASSERT_EQ(ui.tray.calls.size(), 1u);
    const TrayLog::Call& add = ui.tray.calls[0];
    EXPECT_EQ(add.command, kNimAdd);
    EXPECT_EQ(add.record.cbSize, 88u);
    EXPECT_EQ(add.record.hWnd, 0x7700u);
    EXPECT_EQ(add.record.uID, 0x1C0u) << "the window icon's handle";
    EXPECT_EQ(add.record.hIcon, 0x1C0u);
    EXPECT_EQ(add.record.uFlags, 7u);
    EXPECT_EQ(add.record.uCallbackMessage, 0x200u);
    EXPECT_EQ(add.record.szTip, std::wstring(L"Trayhush") + L'\0' + std::wstring(55, L' '));
}

TEST_F(TrayTest, ATipIsHeldAsTextNulAndBlanksIn64Characters) {
    EXPECT_EQ(MakeTipField(L"abc"), std::wstring(L"abc") + L'\0' + std::wstring(60, L' '));
    EXPECT_EQ(MakeTipField(L"").size(), 64u);
    EXPECT_EQ(MakeTipField(L"")[0], L'\0');
}

TEST_F(TrayTest, ASeventyCharacterTipKeepsItsFirstSixtyThree) {
    const std::wstring seventy(70, L'x');
    tray.SetToolTip(seventy);
    EXPECT_EQ(tray.IconRecord().szTip, std::wstring(63, L'x') + L'\0');
    EXPECT_EQ(tray.ToolTip(), std::wstring(63, L'x'));
}

TEST_F(TrayTest, TheTipIsSentOnlyWhenItChanges) {
    tray.SetToolTip(L"Trayhush");
    const std::size_t calls = ui.tray.calls.size();
    tray.SetToolTip(L"Trayhush");
    EXPECT_EQ(ui.tray.calls.size(), calls);

    tray.SetToolTip(L"Trayhush (off)");
    ASSERT_EQ(ui.tray.calls.size(), calls + 1);
    EXPECT_EQ(LastCall().command, kNimModify);
    EXPECT_EQ(LastCall().record.uFlags, 4u);
    EXPECT_EQ(LastCall().record.uID, 0x1C0u);
    EXPECT_EQ(tray.ToolTip(), L"Trayhush (off)");
}

TEST_F(TrayTest, TheIconIsSentOnlyWhenItChangesAndKeepsItsIdentifier) {
    tray.SetIconHandle(0x1C0);  // what it shows already
    ASSERT_EQ(ui.tray.calls.size(), 1u) << "only the add";

    tray.SetIconHandle(0x6EE);
    ASSERT_EQ(ui.tray.calls.size(), 2u);
    EXPECT_EQ(LastCall().command, kNimModify);
    EXPECT_EQ(LastCall().record.uFlags, 2u);
    EXPECT_EQ(LastCall().record.hIcon, 0x6EEu);
    EXPECT_EQ(LastCall().record.uID, 0x1C0u);
    EXPECT_EQ(tray.IconHandle(), 0x6EEu);
    EXPECT_EQ(tray.IconRecord().uFlags, 2u) << "the field keeps the last value written";
}

TEST_F(TrayTest, ItemsAreNumberedFromZeroInTheOrderAdded) {
    EXPECT_EQ(tray.AddMenuItem(L"&Open", L"show"), 0);
    EXPECT_EQ(tray.AddMenuItem(L"-"), 1);
    EXPECT_EQ(tray.AddMenuItem(L"&Exit", L"exit"), 2);
    tray.ShowMenu();
    ASSERT_EQ(ui.tray.lastMenu.size(), 3u) << "element 0 was reused, not added to";
    EXPECT_EQ(ui.tray.lastMenu[0].caption, L"&Open");
    EXPECT_EQ(ui.tray.lastMenu[1].caption, L"-");
    EXPECT_TRUE(ui.tray.lastMenu[2].visible);
}

TEST_F(TrayTest, TheDefaultItemIsTheFirstUnlessALaterOneAsksAndTheLastAskerWins) {
    tray.AddMenuItem(L"a");
    tray.AddMenuItem(L"b");
    tray.ShowMenu();
    EXPECT_EQ(ui.tray.lastDefault, 0);
    tray.AddMenuItem(L"c", L"", true);
    tray.AddMenuItem(L"d", L"", true);
    tray.AddMenuItem(L"e");
    tray.ShowMenu();
    EXPECT_EQ(ui.tray.lastDefault, 3);
}

TEST_F(TrayTest, TheWindowComesToTheForegroundBeforeTheMenuOpens) {
    tray.AddMenuItem(L"&Open", L"show");
    tray.ShowMenu();
    EXPECT_EQ(ui.tray.popups, 1);
    EXPECT_EQ(ui.tray.foregroundSwitchesAtPopup, 1);
}

TEST_F(TrayTest, AChosenItemReportsItsIndexAndKeyAndADismissedMenuNothing) {
    tray.AddMenuItem(L"&Open", L"show");
    tray.AddMenuItem(L"&About", L"About");
    ui.tray.menuChoice = 1;
    tray.ShowMenu();
    ui.tray.menuChoice = -1;
    tray.ShowMenu();
    EXPECT_EQ(events, Events{"menu 1 About"});
}

TEST_F(TrayTest, ClosingDeletesTheIconOnceAndNothingComesBack) {
    tray.AddMenuItem(L"&Open", L"show");
    tray.SetIconHandle(0x6EE);
    tray.Unload();
    ASSERT_EQ(LastCall().command, kNimDelete);
    EXPECT_EQ(LastCall().record.uID, 0x1C0u);
    EXPECT_EQ(LastCall().record.hIcon, 0x6EEu);
    EXPECT_EQ(ui.tray.closes, 1);
    const std::size_t calls = ui.tray.calls.size();

    tray.Unload();
    tray.SetToolTip(L"again");
    EXPECT_EQ(ui.tray.calls.size(), calls);
    EXPECT_EQ(ui.trayWindows, 1);
}

TEST_F(TrayTest, ANewTaskbarGetsTheIconAgainAsItIsNow) {
    tray.AddMenuItem(L"&Open", L"show");
    tray.SetToolTip(L"Trayhush");
    tray.SetIconHandle(0x6EE);
    tray.OnTaskbarCreated();
    EXPECT_EQ(LastCall().command, kNimAdd);
    EXPECT_EQ(LastCall().record.uFlags, 7u);
    EXPECT_EQ(LastCall().record.hIcon, 0x6EEu);
    EXPECT_EQ(LastCall().record.uID, 0x1C0u);
    EXPECT_EQ(TipFieldText(LastCall().record.szTip), L"Trayhush");
}

TEST_F(TrayTest, ItemIndexesEndAt32767) {
    for (int i = 0; i <= 32767; ++i) ASSERT_EQ(tray.AddMenuItem(L"x"), i);
    EXPECT_THROW(tray.AddMenuItem(L"x"), MenuIndexOverflow);
}

}  // namespace
