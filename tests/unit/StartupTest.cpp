#include <cstring>

#include "settings/Registry.h"
#include "unit/Form1Fixture.h"

namespace {

const wchar_t kSettings[] = L"Software\\Trayhush\\Settings";
const wchar_t kRun[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::int32_t Number(const FakeRegistry::Value* value) {
    std::int32_t n = 0;
    if (value && value->data.size() == 4) std::memcpy(&n, value->data.data(), 4);
    return n;
}

class StartupTest : public Form1Fixture {
protected:
    void Store(const std::wstring& name, std::int32_t value) {
        fake.registry.SetNumber(kHkeyLocalMachine, kSettings, name, value);
    }
    std::wstring RunValue() {
        return Registry::ReadTextValue(fake.registry, kHkeyLocalMachine, kRun, L"Trayhush", L"<absent>");
    }
};

TEST_F(StartupTest, FirstStartStoresExactlyTheFourDefaults) {
    ASSERT_TRUE(Load());

    std::vector<std::wstring> names = fake.registry.ValueNames(kHkeyLocalMachine, kSettings);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"DetectionMethod", L"BlockMethod",
                                                L"RunDefaultAutorunProgram", L"AllDrives"}));
    EXPECT_EQ(Setting(L"DetectionMethod")->type, kRegDword);
    EXPECT_EQ(Number(Setting(L"DetectionMethod")), 0);
    EXPECT_EQ(Number(Setting(L"BlockMethod")), 0);
    EXPECT_EQ(Number(Setting(L"RunDefaultAutorunProgram")), 0);
    EXPECT_EQ(Number(Setting(L"AllDrives")), 1);
    EXPECT_EQ(RunValue(), L"<absent>");
    EXPECT_EQ(fake.registry.OpenHandles(), 0);
}

TEST_F(StartupTest, FirstStartShowsTheDefaultOptions) {
    ASSERT_TRUE(Load());
    EXPECT_EQ(form1->Check[1].Value(), 1) << "blocking enabled";
    EXPECT_EQ(form1->Check[3].Value(), 0) << "detection method one";
    EXPECT_EQ(form1->Check[4].Value(), 0);
    EXPECT_FALSE(form1->Check[4].Enabled()) << "block method two is greyed under method one";
    EXPECT_EQ(form1->Check1.Value(), 1) << "default program launch on";
    EXPECT_EQ(form1->Check[2].Value(), 1) << "all drives";
    EXPECT_FALSE(form1->Frame[1].Enabled());
    EXPECT_FALSE(form1->List1.Enabled());
    EXPECT_EQ(form1->Check[0].Value(), 0);
    EXPECT_FALSE(form1->Timer7.Enabled());
    EXPECT_TRUE(form1->m_bSettingsLoaded);
    EXPECT_FALSE(form1->m_bInCheckClick);
}

TEST_F(StartupTest, StoredValuesReachTheirBoxes) {
    Store(L"Disabled", 5);  // any non-zero number disables
    Store(L"DetectionMethod", 1);
    Store(L"BlockMethod", 1);
    Store(L"RunDefaultAutorunProgram", 2);
    Store(L"AllDrives", 0);
    ASSERT_TRUE(Load());

    EXPECT_EQ(form1->Check[1].Value(), 0);
    EXPECT_EQ(form1->Check[3].Value(), 1);
    EXPECT_TRUE(form1->Timer7.Enabled()) << "method two polls";
    EXPECT_TRUE(form1->Check[4].Enabled());
    EXPECT_EQ(form1->Check[4].Value(), 1);
    EXPECT_EQ(form1->Check1.Value(), 0);
    EXPECT_EQ(form1->Check[2].Value(), 0);
    EXPECT_TRUE(form1->Frame[1].Enabled());
    EXPECT_TRUE(form1->List1.Enabled());
    // Restoring a disabled blocking state stores nothing and leaves the others as they were.
    EXPECT_EQ(Number(Setting(L"Disabled")), 5);
    EXPECT_EQ(Number(Setting(L"RunDefaultAutorunProgram")), 2);
}

TEST_F(StartupTest, DisabledBlockingShowsTheRedIcon) {
    Store(L"Disabled", 1);
    ASSERT_TRUE(Load());
    ASSERT_FALSE(fake.ui.tray.calls.empty());
    EXPECT_EQ(fake.ui.tray.calls.back().record.hIcon, kRedIcon);
    EXPECT_EQ(form.icon, kRedIcon);
}

TEST_F(StartupTest, NumbersABoxCannotTakeKeepItsInitialStateAndStartUpGoesOn) {
    Store(L"DetectionMethod", 7);
    Store(L"AllDrives", -1);
    ASSERT_TRUE(Load());
    EXPECT_EQ(form1->Check[3].Value(), 1) << "initial state kept";
    EXPECT_EQ(form1->Check[2].Value(), 0) << "initial state kept";
    EXPECT_EQ(Number(Setting(L"DetectionMethod")), 7) << "nothing overwrote the hand-edited value";
    EXPECT_EQ(Number(Setting(L"BlockMethod")), 0) << "later steps still ran";
    EXPECT_TRUE(form1->m_bSettingsLoaded);
}

TEST_F(StartupTest, WrongRegistryTypesReadAsDefaults) {
    fake.registry.SetText(kHkeyLocalMachine, kSettings, L"Disabled", L"1");
    fake.registry.SetRaw(kHkeyLocalMachine, kSettings, L"AllDrives", kRegBinary, {0, 0, 0, 0});
    fake.registry.SetNumber(kHkeyLocalMachine, kRun, L"Trayhush", 1);
    ASSERT_TRUE(Load());
    EXPECT_EQ(form1->Check[1].Value(), 1) << "text \"1\" is not a number: blocking stays enabled";
    EXPECT_EQ(form1->Check[2].Value(), 1);
    EXPECT_EQ(form1->Check[0].Value(), 0) << "a number is not a Run command";
}

TEST_F(StartupTest, AMovedProgramRepairsItsRunValue) {
    fake.system.folder = L"D:\\New Place";
    fake.registry.SetText(kHkeyLocalMachine, kRun, L"Trayhush", L"\"C:\\Old\\Trayhush.exe\"");
    ASSERT_TRUE(Load());
    EXPECT_EQ(form1->Check[0].Value(), 1);
    EXPECT_EQ(RunValue(), L"\"D:\\New Place\\Trayhush.exe\"");
}

TEST_F(StartupTest, AnEmptyRunValueIsLeftAloneAndUnchecked) {
    fake.registry.SetText(kHkeyLocalMachine, kRun, L"Trayhush", L"");
    ASSERT_TRUE(Load());
    EXPECT_EQ(form1->Check[0].Value(), 0);
    EXPECT_EQ(RunValue(), L"") << "the empty value stays";
}

TEST_F(StartupTest, ASecondInstanceEndsBeforeTouchingAnything) {
    fake.system.anotherInstance = true;
    EXPECT_FALSE(form1->Form_Load());
    EXPECT_EQ(fake.registry.Calls(), 0);
    EXPECT_EQ(fake.ui.trayWindows, 0);
    EXPECT_TRUE(fake.keyboard.events.empty());
    EXPECT_FALSE(form1->m_bSettingsLoaded);
}

TEST_F(StartupTest, RefusedMachineWideWritesNeverStopStartUp) {
    fake.registry.RefuseWritesUnder(kHkeyLocalMachine);
    ASSERT_TRUE(Load());
    EXPECT_TRUE(form1->m_bSettingsLoaded);
    EXPECT_FALSE(fake.registry.KeyExists(kHkeyLocalMachine, kSettings));
    EXPECT_EQ(Number(fake.registry.Find(kHkeyCurrentUser, kSettings, L"AllDrives")), 1);
}

TEST_F(StartupTest, ExitReleasesShiftRemovesTheIconAndWritesNothing) {
    ASSERT_TRUE(Load());
    const int writes = fake.registry.Writes();
    form1->HoldShiftKey();  // method one: Check(3) unchecked, so nothing is held
    form1->Check[3].SetValue(1);
    form1->HoldShiftKey();
    ASSERT_TRUE(fake.keyboard.shiftDown);
    const int writesBeforeExit = fake.registry.Writes();

    form1->Form_Unload();

    EXPECT_FALSE(fake.keyboard.shiftDown);
    const FakeKeyboard::Event& last = fake.keyboard.events.back();
    EXPECT_EQ(last.vk, 0x10);
    EXPECT_EQ(last.scan, 0);
    EXPECT_EQ(last.flags, 2u);
    EXPECT_EQ(last.extra, 0u);
    ASSERT_FALSE(fake.ui.tray.calls.empty());
    EXPECT_EQ(fake.ui.tray.calls.back().command, kNimDelete);
    EXPECT_EQ(fake.ui.tray.closes, 1);
    EXPECT_EQ(form1->m_frmSysTray, nullptr);
    EXPECT_TRUE(form.unloaded);
    EXPECT_EQ(fake.registry.Writes(), writesBeforeExit) << "nothing is stored at exit";
    EXPECT_GT(writesBeforeExit, writes);  // switching the method was stored, at once

    form1->ender();  // the window's own unload after the menu's exit: harmless
    EXPECT_EQ(fake.ui.tray.closes, 1);
}

TEST_F(StartupTest, TheFirstResizeHidesTheWindowToTheTray) {
    ASSERT_TRUE(form1->Form_Load());
    form.visible = true;
    form1->Form_Resize();
    EXPECT_FALSE(form.visible);
    EXPECT_TRUE(form.minimized);
    EXPECT_FALSE(form.inTaskList);
}

}  // namespace
