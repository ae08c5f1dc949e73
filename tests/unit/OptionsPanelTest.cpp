#include <cstring>
#include <memory>

#include "settings/Registry.h"
#include "unit/Form1Fixture.h"

namespace {

const wchar_t kSettings[] = L"Software\\Trayhush\\Settings";
const wchar_t kRun[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class OptionsPanelTest : public Form1Fixture {
protected:
    // The stored number, or -99 when the value is absent.
    std::int32_t Stored(Handle root, const std::wstring& name) const {
        const FakeRegistry::Value* value = fake.registry.Find(root, kSettings, name);
        std::int32_t n = -99;
        if (value && value->data.size() == 4) std::memcpy(&n, value->data.data(), 4);
        return n;
    }
    std::int32_t Stored(const std::wstring& name) const { return Stored(kHkeyLocalMachine, name); }
    std::wstring RunValue(Handle root) {
        return Registry::ReadTextValue(fake.registry, root, kRun, L"Trayhush", L"<absent>");
    }
    // The next start of the program on the same machine.
    void Restart() {
        form1->ender();
        form1 = std::make_unique<Form1>(fake.platform);
        form1->Imge[0].picture = kRedIcon;
        form1->Imge[1].picture = kGreenIcon;
        form1->Bind(&form);
        ASSERT_TRUE(Load());
    }
    void AddDrives() {
        fake.files.AddCdrom(L'D');
        fake.files.AddCdrom(L'E');
    }
};

TEST_F(OptionsPanelTest, AllDrivesGreysTheDriveListAndIsStored) {
    AddDrives();
    fake.registry.SetText(kHkeyLocalMachine, kSettings, L"Drivelist", L"E");
    ASSERT_TRUE(Load());
    ASSERT_EQ(form1->Check[2].Value(), 1);
    ASSERT_FALSE(form1->Frame[1].Enabled());

    form1->Check[2].UserClick();
    EXPECT_EQ(Stored(L"AllDrives"), 0);
    EXPECT_TRUE(form1->Frame[1].Enabled());
    EXPECT_TRUE(form1->List1.Enabled());

    form1->Check[2].UserClick();
    EXPECT_EQ(Stored(L"AllDrives"), 1);
    EXPECT_FALSE(form1->Frame[1].Enabled());
    EXPECT_FALSE(form1->List1.Enabled());
    EXPECT_FALSE(form1->List1.Selected(0)) << "the selection survives the round trip";
    EXPECT_TRUE(form1->List1.Selected(1));
}

TEST_F(OptionsPanelTest, EnableBlockingAfterStartUpStoresDisabledAndSwitchesBothIcons) {
    ASSERT_TRUE(Load());
    ASSERT_EQ(Stored(L"Disabled"), -99) << "start-up stores nothing for it";

    form1->Check[1].UserClick();
    EXPECT_EQ(Stored(L"Disabled"), 1);
    EXPECT_EQ(fake.ui.tray.calls.back().command, kNimModify);
    EXPECT_EQ(fake.ui.tray.calls.back().record.uFlags, 2u);
    EXPECT_EQ(form1->m_frmSysTray->IconHandle(), kRedIcon);
    EXPECT_EQ(form.icon, kRedIcon);

    form1->Check[1].UserClick();
    EXPECT_EQ(Stored(L"Disabled"), 0);
    EXPECT_EQ(form1->m_frmSysTray->IconHandle(), kGreenIcon);
    EXPECT_EQ(form.icon, kGreenIcon);
}

TEST_F(OptionsPanelTest, TheDefaultProgramOptionIsStoredInverted) {
    ASSERT_TRUE(Load());
    ASSERT_EQ(form1->Check1.Value(), 1);
    form1->Check1.UserClick();
    EXPECT_EQ(Stored(L"RunDefaultAutorunProgram"), 1);
    form1->Check1.UserClick();
    EXPECT_EQ(Stored(L"RunDefaultAutorunProgram"), 0);
}

TEST_F(OptionsPanelTest, BlockMethodTwoIsStoredAsTheBoxsState) {
    fake.registry.SetNumber(kHkeyLocalMachine, kSettings, L"DetectionMethod", 1);
    ASSERT_TRUE(Load());
    form1->Check[4].UserClick();
    EXPECT_EQ(Stored(L"BlockMethod"), 1);
    form1->Check[4].UserClick();
    EXPECT_EQ(Stored(L"BlockMethod"), 0);
}

TEST_F(OptionsPanelTest, StartWithWindowsWritesTheQuotedProgramPathAndRemovesIt) {
    fake.system.folder = L"C:\\Tools";
    ASSERT_TRUE(Load());
    form1->Check[0].UserClick();
    EXPECT_EQ(RunValue(kHkeyLocalMachine), L"\"C:\\Tools\\Trayhush.exe\"");
    form1->Check[0].UserClick();
    EXPECT_EQ(RunValue(kHkeyLocalMachine), L"<absent>");
    EXPECT_EQ(RunValue(kHkeyCurrentUser), L"<absent>");
}

TEST_F(OptionsPanelTest, AProgramInADriveRootNamesItselfWithTwoBackslashes) {
    fake.system.folder = L"C:\\";
    ASSERT_TRUE(Load());
    form1->Check[0].UserClick();
    EXPECT_EQ(RunValue(kHkeyLocalMachine), L"\"C:\\\\Trayhush.exe\"");
}

TEST_F(OptionsPanelTest, UncheckingStartWithWindowsWithoutAnEntryChangesNothing) {
    ASSERT_TRUE(Load());
    form1->Check[0].SetValue(1);
    Registry::RemoveValue(fake.registry, kHkeyLocalMachine, kRun, L"Trayhush");
    const std::vector<std::wstring> before = fake.registry.ValueNames(kHkeyLocalMachine, kRun);
    form1->Check[0].UserClick();
    EXPECT_EQ(fake.registry.ValueNames(kHkeyLocalMachine, kRun), before);
    EXPECT_EQ(RunValue(kHkeyCurrentUser), L"<absent>");
}

// Without write access to HKEY_LOCAL_MACHINE (a user without administrator rights) the
// options go to the same place under HKEY_CURRENT_USER and still hold at the next start.
TEST_F(OptionsPanelTest, ARefusedMachineWideWriteIsKeptForTheUser) {
    fake.registry.SetNumber(kHkeyLocalMachine, kSettings, L"AllDrives", 1);
    fake.registry.RefuseWritesUnder(kHkeyLocalMachine);
    ASSERT_TRUE(Load());

    form1->Check[2].UserClick();
    form1->Check1.UserClick();
    EXPECT_EQ(Stored(L"AllDrives"), 1) << "the machine-wide value is untouched";
    EXPECT_EQ(Stored(kHkeyCurrentUser, L"AllDrives"), 0);
    EXPECT_EQ(Stored(kHkeyCurrentUser, L"RunDefaultAutorunProgram"), 1);

    Restart();
    EXPECT_EQ(form1->Check[2].Value(), 0) << "the user's value wins on reading";
    EXPECT_TRUE(form1->List1.Enabled());
    EXPECT_EQ(form1->Check1.Value(), 0);
}

TEST_F(OptionsPanelTest, StartWithWindowsFallsBackToTheUsersRunKey) {
    fake.system.folder = L"C:\\Tools";
    fake.registry.RefuseWritesUnder(kHkeyLocalMachine);
    ASSERT_TRUE(Load());
    form1->Check[0].UserClick();
    EXPECT_EQ(RunValue(kHkeyLocalMachine), L"<absent>");
    EXPECT_EQ(RunValue(kHkeyCurrentUser), L"\"C:\\Tools\\Trayhush.exe\"");

    Restart();
    EXPECT_EQ(form1->Check[0].Value(), 1) << "either Run value with text checks the box";
}

TEST_F(OptionsPanelTest, UncheckingStartWithWindowsRemovesWhicheverEntryExists) {
    fake.registry.SetText(kHkeyLocalMachine, kRun, L"Trayhush", L"\"C:\\Old\\Trayhush.exe\"");
    fake.registry.SetText(kHkeyCurrentUser, kRun, L"Trayhush", L"\"C:\\Old\\Trayhush.exe\"");
    ASSERT_TRUE(Load());
    ASSERT_EQ(form1->Check[0].Value(), 1);
    form1->Check[0].UserClick();
    EXPECT_EQ(RunValue(kHkeyLocalMachine), L"<absent>");
    EXPECT_EQ(RunValue(kHkeyCurrentUser), L"<absent>");

    Restart();
    EXPECT_EQ(form1->Check[0].Value(), 0);
}

}  // namespace
