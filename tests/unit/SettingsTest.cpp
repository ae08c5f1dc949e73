#include <functional>

#include "Form1Fixture.h"

namespace {

constexpr std::optional<std::int32_t> kAbsent;

class SettingsTest : public Form1Fixture {
protected:
    std::wstring Run(RegistryKey root) {
        return Registry::ReadTextValue(fake.registry, root, kRunKey, kRunValueName, L"<absent>");
    }
};

TEST_F(SettingsTest, StartUpAppliesStoredValuesWithoutWritingThem) {
    for (const wchar_t* name : {L"Disabled", L"DetectionMethod", L"BlockMethod", L"RunDefaultAutorunProgram"}) Store(name, 1);
    Store(L"AllDrives", 0);
    const int writes = fake.registry.Writes();
    Load();
    EXPECT_EQ(fake.registry.Writes(), writes);
    EXPECT_EQ(form.icon, kRedIcon) << "the icon shows blocking off from the start";
    EXPECT_EQ(form1->Check[1].Value() + form1->Check1.Value() + form1->Check[2].Value(), 0);
    EXPECT_EQ(form1->Check[3].Value() + form1->Check[4].Value(), 2);
    EXPECT_TRUE(form1->Timer7.Enabled() && form1->List1.Enabled());
}

// A click takes effect and is stored at once. "Block on All Drives" greys the drive list
// and its frame, keeping their selection; "Enable Blocking" turns the icons green or red.
TEST_F(SettingsTest, AClickTakesEffectAndIsStoredAtOnce) {
    StoreText(kHkeyLocalMachine, kSettingsKey, L"Drivelist", L"E");
    Load();
    const auto icons = [this](Icon icon) { return form.icon == icon && fake.ui.tray->icon.back().second.hIcon == icon; };
    const auto listEnabled = [this](bool on) { return form1->Frame[1].Enabled() == on && form1->List1.Enabled() == on; };
    const struct { CheckBox* box; const wchar_t* name; std::int32_t stored; std::function<bool()> effect; } clicks[] = {
        {&form1->Check[2], L"AllDrives", 0, [&] { return listEnabled(true); }},
        {&form1->Check[2], L"AllDrives", 1, [&] { return listEnabled(false); }},
        {&form1->Check[1], L"Disabled", 1, [&] { return icons(kRedIcon); }},
        {&form1->Check[1], L"Disabled", 0, [&] { return icons(kGreenIcon); }},
        {&form1->Check1, L"RunDefaultAutorunProgram", 1, nullptr},
        {&form1->Check1, L"RunDefaultAutorunProgram", 0, nullptr},
        {&form1->Check[4], L"BlockMethod", 1, nullptr},
    };
    for (const auto& click : clicks) {
        click.box->UserClick();
        EXPECT_EQ(Number(click.name), click.stored) << click.name;
        EXPECT_TRUE(!click.effect || click.effect()) << click.name << " " << click.stored;
    }
    EXPECT_TRUE(!form1->List1.Selected(0) && form1->List1.Selected(1)) << "the selection survives";
}

// Where a setting lives after a write of 1, and what a read then gives; 0 stands for an
// older value. A refused machine-wide write goes per user; no copy is left to shadow the
// machine's value, and none is made of what the machine holds already.
TEST_F(SettingsTest, MachineWideWritesFallBackPerUserAndLeaveNoStaleOrDoubleCopy) {
    // writes: values set or removed.
    const struct { const char* story; bool refused; std::optional<std::int32_t> machineBefore, userBefore, machineAfter, userAfter;
                   int writes; } rows[] = {
        {"nothing stored", false, kAbsent, kAbsent, 1, kAbsent, 1},
        {"a machine value is replaced", false, 0, kAbsent, 1, kAbsent, 1},
        {"a stale per-user copy goes", false, 0, 0, 1, kAbsent, 2},
        {"refused: per user", true, kAbsent, kAbsent, kAbsent, 1, 1},
        {"refused, the machine differs: per user", true, 0, kAbsent, 0, 1, 1},
        {"refused: the per-user copy is replaced", true, 0, 0, 0, 1, 1},
        {"the machine holds it: no write", false, 1, kAbsent, 1, kAbsent, 0},
        {"refused, the machine holds it: no per-user copy", true, 1, kAbsent, 1, kAbsent, 0},
        {"the machine holds it: a per-user copy goes", true, 1, 0, 1, kAbsent, 1},
    };
    for (const auto& row : rows) {
        fake.registry = FakeRegistry();
        if (row.machineBefore) Store(L"AllDrives", *row.machineBefore);
        if (row.userBefore) Store(L"AllDrives", *row.userBefore, kHkeyCurrentUser);
        fake.registry.RefuseWritesUnder(row.refused ? kHkeyLocalMachine : 0);
        SettingsStore settings(fake.registry, fake.text);
        const int writes = fake.registry.Writes();
        settings.WriteNumber(L"AllDrives", 1);
        EXPECT_EQ(fake.registry.Writes() - writes, row.writes) << row.story;
        EXPECT_EQ(Number(L"AllDrives"), row.machineAfter) << row.story;
        EXPECT_EQ(Number(L"AllDrives", kHkeyCurrentUser), row.userAfter) << row.story;
        EXPECT_EQ(settings.ReadNumber(L"AllDrives", 7), 1) << row.story;
    }
}

// Start-up derives "Start With Windows" from a Run value and writes it anew, so that it
// names this copy of the program, unless the machine-wide value names it already, in any
// letter case; unchecking removes it wherever it is.
TEST_F(SettingsTest, StartUpRewritesARunValueAndUncheckingRemovesBoth) {
    const std::wstring installed = L"\"C:\\Program Files\\Trayhush\\Trayhush.exe\"", old = L"\"D:\\Old\\Trayhush.exe\"";
    // storedUnder: 0 for nothing stored.
    const struct { const char* story; bool refused; RegistryKey storedUnder; std::wstring stored, folder, machineAfter, userAfter; } rows[] = {
        {"none", false, 0, L"", L"C:\\Program Files\\Trayhush", L"<absent>", L"<absent>"},
        {"machine-wide", false, kHkeyLocalMachine, old, L"C:\\Program Files\\Trayhush", installed, L"<absent>"},
        {"per user, machine refused", true, kHkeyCurrentUser, old, L"C:\\Program Files\\Trayhush", L"<absent>", installed},
        {"the installer's, started in other letters", true, kHkeyLocalMachine, installed, L"c:\\program files\\trayhush",
         installed, L"<absent>"},
    };
    for (const auto& row : rows) {
        if (row.storedUnder) StoreText(row.storedUnder, kRunKey, kRunValueName, row.stored);
        fake.registry.RefuseWritesUnder(row.refused ? kHkeyLocalMachine : 0);
        fake.system.folder = row.folder;
        Restart();
        Load();
        EXPECT_EQ(form1->Check[0].Value(), row.storedUnder ? 1 : 0) << row.story;
        EXPECT_EQ(Run(kHkeyLocalMachine), row.machineAfter) << row.story;
        EXPECT_EQ(Run(kHkeyCurrentUser), row.userAfter) << row.story;
        fake.registry.RefuseWritesUnder(0);
        form1->Check[0].SetValue(0);
        EXPECT_EQ(Run(kHkeyLocalMachine) + Run(kHkeyCurrentUser), L"<absent><absent>") << row.story;
    }
}

// The stored "Drivelist" against the list D:, E:: which entries start selected, letter
// case counting, and what a user's click stores.
TEST_F(SettingsTest, DrivelistSelectsByLetterAndStoresAColonForNone) {
    const struct { const wchar_t* stored; bool d, e; } loads[] = {
        {L"", true, true}, {L":", false, false}, {L"E", false, true}, {L"e", false, false}, {L"ED", true, true},
        {L"dE", false, true},
    };
    for (const auto& row : loads) {
        StoreText(kHkeyLocalMachine, kSettingsKey, L"Drivelist", row.stored);
        Restart();
        Load();
        EXPECT_EQ(form1->List1.Selected(0), row.d) << row.stored;
        EXPECT_EQ(form1->List1.Selected(1), row.e) << row.stored;
    }
    const struct { bool d, e; const wchar_t* stored; } clicks[] = {{true, true, L"DE"}, {false, true, L"E"}, {false, false, L":"}};
    for (const auto& row : clicks) {
        form1->List1.UserSetSelected(0, row.d);
        form1->List1.UserSetSelected(1, row.e);
        EXPECT_EQ(Registry::ReadTextValue(fake.registry, kHkeyLocalMachine, kSettingsKey, L"Drivelist", L""), row.stored);
    }
}

}  // namespace
