#include "Form1Fixture.h"

namespace {

class TrayTest : public Form1Fixture {};

TEST_F(TrayTest, ALeftClickTogglesTheWindowAndARightClickOpensTheMenu) {
    Load();
    ASSERT_TRUE(form.minimized);
    form1->m_frmSysTray_SysTrayMouseDown(1);
    EXPECT_FALSE(form.minimized);
    EXPECT_TRUE(form.visible);
    EXPECT_EQ(fake.ui.popups, 0);
    form1->m_frmSysTray_SysTrayMouseDown(2);
    EXPECT_EQ(fake.ui.popups, 1);
    EXPECT_FALSE(form.minimized);
}

// The exit routine deletes the tray component: it runs once the menu's call has returned.
TEST_F(TrayTest, ExitEndsTheMessageLoopAndLeavesTheExitRoutineUntilThen) {
    Load();
    form1->m_frmSysTray_MenuClick(5, L"exit");
    EXPECT_TRUE(form.loopEnded);
    EXPECT_FALSE(form1->Exited());
}

}  // namespace
