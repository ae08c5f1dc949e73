#include <string>

#include "about/Abouts.h"
#include "unit/Form1Fixture.h"

namespace {

class AboutTest : public ::testing::Test {
protected:
    FakeShell shell;
    FakeSystem system;
    Abouts about{shell, system};
};

TEST_F(AboutTest, TheVersionLabelIsMajorPointMinorWithoutLeadingZeros) {
    EXPECT_EQ(VersionCaption(1, 4), L"Version 1.4");
    EXPECT_EQ(VersionCaption(2, 12), L"Version 2.12");
    EXPECT_EQ(VersionCaption(10, 0), L"Version 10.0");
    EXPECT_EQ(VersionCaption(1, 40), L"Version 1.40") << "40 is not 4";
}

TEST_F(AboutTest, LoadingTakesTheNumbersFromTheProgramsVersion) {
    system.major = 2;
    system.minor = 12;
    about.Form_Load();
    EXPECT_EQ(about.VersionLabel(), L"Version 2.12");
}

TEST_F(AboutTest, TheMailLinkStartsAMessageAndTheBoxStaysOpen) {
    about.Form_Load();
    about.Labelr_Click(0);
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].file, std::wstring(L"mailto:") + kMailAddress);
    EXPECT_EQ(shell.executed[0].directory, L"C:\\");
    EXPECT_EQ(shell.executed[0].show, 1);
    EXPECT_FALSE(about.Closed());
}

TEST_F(AboutTest, TheOtherLinkOpensTheHomePageAndTheBoxStaysOpen) {
    about.Form_Load();
    about.Labelr_Click(1);
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].file, kHomePageAddress);
    EXPECT_EQ(shell.executed[0].directory, L"C:\\");
    EXPECT_EQ(shell.executed[0].show, 1);
    EXPECT_FALSE(about.Closed());
}

TEST_F(AboutTest, TheAddressesAreAPlainMailAddressAndAWebAddressWithoutAPath) {
    const std::wstring mail = kMailAddress;
    EXPECT_NE(mail.find(L'@'), std::wstring::npos);
    EXPECT_EQ(mail.find(L':'), std::wstring::npos) << "no scheme: SendMail adds mailto:";
    const std::wstring home = kHomePageAddress;
    const std::size_t scheme = home.find(L"://");
    ASSERT_NE(scheme, std::wstring::npos);
    EXPECT_EQ(home.substr(0, 4), L"http");
    EXPECT_EQ(home.find(L'/', scheme + 3), std::wstring::npos);
}

TEST_F(AboutTest, CloseEndsTheShowingAndTheNextLoadStartsAfresh) {
    about.Form_Load();
    about.Command_Click();
    EXPECT_TRUE(about.Closed());
    about.Form_Load();
    EXPECT_FALSE(about.Closed());
}

class AboutFromTheMainWindowTest : public Form1Fixture {};

TEST_F(AboutFromTheMainWindowTest, EachShowingGetsAFreshBoxWithTheVersion) {
    fake.system.major = 1;
    fake.system.minor = 4;
    int showings = 0;
    fake.ui.onAbout = [&](Abouts& about) {
        // A box left over from the last showing would be closed and carry its label.
        EXPECT_TRUE(about.VersionLabel().empty());
        EXPECT_FALSE(about.Closed());
        about.Form_Load();
        EXPECT_EQ(about.VersionLabel(), L"Version 1.4");
        about.Labelr_Click(1);
        about.Command_Click();
        ++showings;
    };
    ASSERT_TRUE(Load());
    form1->About_Click();
    form1->m_frmSysTray_MenuClick(3, L"About");
    EXPECT_EQ(showings, 2);
    ASSERT_EQ(fake.shell.executed.size(), 2u);
    EXPECT_EQ(fake.shell.executed[1].file, kHomePageAddress);
}

}  // namespace
