#include <string>
#include <utility>
#include <vector>

#include "about/Abouts.h"
#include "unit/Form1Fixture.h"

namespace {

class MainWindowTest : public Form1Fixture {
protected:
    // A click on the tray icon as the shell reports it.
    void TrayCallback(std::uint32_t mouseMessage) { form1->m_frmSysTray->OnCallback(mouseMessage); }
    void LeftClick() {
        TrayCallback(0x201);
        TrayCallback(0x202);
    }
    bool Hidden() const { return !form.visible && form.minimized && !form.inTaskList; }
    bool ShownCentred() const {
        return form.visible && !form.minimized && form.inTaskList && form.left == 5430 && form.top == 4058;
    }
};

TEST_F(MainWindowTest, TheTrayMenuHasSixItemsWithTheirKeysAndOpenInBold) {
    ASSERT_TRUE(Load());
    std::vector<std::pair<std::int32_t, std::wstring>> clicks;
    form1->m_frmSysTray->MenuClick = [&](std::int32_t i, const std::wstring& key) { clicks.emplace_back(i, key); };
    for (int i = 0; i < 6; ++i) {
        fake.ui.tray.menuChoice = i;
        form1->m_frmSysTray->ShowMenu();
    }

    const std::vector<std::wstring> captions{L"&Open", L"-", L"&Homepage", L"&About", L"-", L"&Exit"};
    ASSERT_EQ(fake.ui.tray.lastMenu.size(), captions.size());
    for (std::size_t i = 0; i < captions.size(); ++i) EXPECT_EQ(fake.ui.tray.lastMenu[i].caption, captions[i]);
    EXPECT_EQ(fake.ui.tray.lastDefault, 0);
    const std::vector<std::pair<std::int32_t, std::wstring>> expected{
        {0, L"show"}, {1, L""}, {2, L"homepage"}, {3, L"About"}, {4, L""}, {5, L"exit"}};
    EXPECT_EQ(clicks, expected);
}

TEST_F(MainWindowTest, TheIconCarriesTheTipTrayhushAndTheBlockingColour) {
    ASSERT_TRUE(Load());
    EXPECT_EQ(form1->m_frmSysTray->ToolTip(), L"Trayhush");
    EXPECT_EQ(form1->m_frmSysTray->IconHandle(), kGreenIcon);
    EXPECT_EQ(form.icon, kGreenIcon);
}

TEST_F(MainWindowTest, TheWindowIsCentredOnTheScreenInWholeTwips) {
    ASSERT_TRUE(Load());
    form1->RestoreFromTray();
    EXPECT_EQ(form.left, 5430);
    EXPECT_EQ(form.top, 4058);

    // Sizes are rounded to whole twips, halves to even, before they are halved.
    form.width = 4499.5;   // 4500 -> 2250
    form.height = 3406.5;  // 3406 -> 1703
    form.screenWidth = 15361;
    form1->RestoreFromTray();
    EXPECT_EQ(form.left, 7680 - 2250);
    EXPECT_EQ(form.top, 5760 - 1703);
}

TEST_F(MainWindowTest, TheFirstResizeHidesTheWindowEvenBeforeTheSettingsAreLoaded) {
    form1->Form_Resize();
    EXPECT_TRUE(Hidden());
    EXPECT_FALSE(form1->m_bSettingsLoaded);

    // Later resizes before the settings are loaded change nothing.
    form.visible = true;
    form.minimized = false;
    form1->Form_Resize();
    EXPECT_TRUE(form.visible);
    EXPECT_EQ(form.frontCalls, 0);
}

TEST_F(MainWindowTest, ALeftClickShowsTheHiddenWindowCentredAndASecondHidesIt) {
    ASSERT_TRUE(Load());
    ASSERT_TRUE(Hidden());
    LeftClick();
    EXPECT_TRUE(ShownCentred());
    EXPECT_EQ(form.frontCalls, 1);
    LeftClick();
    EXPECT_TRUE(Hidden());
}

TEST_F(MainWindowTest, ALeftDoubleClickTogglesTwiceAndLeavesTheWindowAsItWas) {
    ASSERT_TRUE(Load());
    for (std::uint32_t message : {0x201u, 0x202u, 0x203u, 0x202u}) TrayCallback(message);
    EXPECT_TRUE(Hidden());
}

TEST_F(MainWindowTest, ARightPressOpensTheMenuBeforeTheButtonIsReleased) {
    ASSERT_TRUE(Load());
    TrayCallback(0x204);
    EXPECT_EQ(fake.ui.tray.popups, 1);
    EXPECT_EQ(fake.ui.tray.lastDefault, 0);
    TrayCallback(0x205);
    EXPECT_EQ(fake.ui.tray.popups, 1);
    EXPECT_TRUE(Hidden()) << "the right button does not toggle";
}

TEST_F(MainWindowTest, OpenCentresAShownWindowAgainAndBringsItToTheFront) {
    ASSERT_TRUE(Load());
    form1->m_frmSysTray_MenuClick(0, L"show");
    form.left = form.top = 17;
    form1->m_frmSysTray_MenuClick(0, L"show");
    EXPECT_TRUE(ShownCentred());
    EXPECT_EQ(form.frontCalls, 2);
}

TEST_F(MainWindowTest, TheMinimiseButtonHidesTheWindowToTheTray) {
    ASSERT_TRUE(Load());
    LeftClick();
    form.minimized = true;  // the user's click on the minimise button
    form1->Form_Resize();
    EXPECT_TRUE(Hidden());
}

TEST_F(MainWindowTest, AWindowRestoredByOtherMeansIsCentredAndBroughtForward) {
    ASSERT_TRUE(Load());
    form.visible = true;
    form.minimized = false;
    form1->Form_Resize();
    EXPECT_TRUE(ShownCentred());
    EXPECT_EQ(form.frontCalls, 1);
}

TEST_F(MainWindowTest, HomepageOpensTheHomePageAndAboutShowsTheBoxModally) {
    ASSERT_TRUE(Load());
    form1->m_frmSysTray_MenuClick(2, L"homepage");
    ASSERT_EQ(fake.shell.executed.size(), 1u);
    EXPECT_EQ(fake.shell.executed[0].file, kHomePageAddress);
    form1->m_frmSysTray_MenuClick(3, L"About");
    form1->About_Click();  // the Help menu's item
    EXPECT_EQ(fake.ui.aboutShown, 2);
}

TEST_F(MainWindowTest, KeysAreComparedExactly) {
    ASSERT_TRUE(Load());
    for (const wchar_t* key : {L"about", L"Show", L"EXIT", L"", L"homepage "})
        form1->m_frmSysTray_MenuClick(0, key);
    EXPECT_EQ(fake.ui.aboutShown, 0);
    EXPECT_TRUE(fake.shell.executed.empty());
    EXPECT_TRUE(Hidden());
    EXPECT_FALSE(form1->Exited());
}

// The exit routine deletes the tray component whose menu chose "&Exit": it runs after the
// message loop, once that menu's call has returned.
TEST_F(MainWindowTest, ExitEndsTheMessageLoopAndLeavesTheExitRoutineUntilThen) {
    ASSERT_TRUE(Load());
    form1->m_frmSysTray_MenuClick(5, L"exit");
    EXPECT_TRUE(form.loopEnded);
    EXPECT_FALSE(form1->Exited());
    EXPECT_EQ(fake.ui.tray.closes, 0);
}

}  // namespace
