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

}  // namespace
