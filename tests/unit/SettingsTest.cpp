#include <vector>

#include "Form1Fixture.h"

namespace {

const std::optional<std::int32_t> kAbsent;

class SettingsTest : public Form1Fixture {
protected:
    std::wstring Run(RegistryKey root) {
        return Registry::ReadTextValue(fake.registry, root, kRunKey, kRunValueName, L"<absent>");
    }
};

// Nested clicks of start-up store the four values; where the machine refuses, per user.
TEST_F(SettingsTest, FirstStartStoresExactlyTheFourDefaults) {
    const std::vector<std::wstring> names{L"ALLDRIVES", L"BLOCKMETHOD", L"DETECTIONMETHOD",
                                          L"RUNDEFAULTAUTORUNPROGRAM"};
    for (const RegistryKey root : {kHkeyLocalMachine, kHkeyCurrentUser}) {
        for (const std::wstring& name : names)
            Registry::RemoveValue(fake.registry, kHkeyLocalMachine, kSettingsKey, name);
        fake.registry.RefuseWritesUnder(root == kHkeyCurrentUser ? kHkeyLocalMachine : 0);
        Restart();
        Load();
        EXPECT_EQ(fake.registry.ValueNames(root, kSettingsKey), names);
        for (const std::wstring& name : names) EXPECT_EQ(Number(name, root), name == L"ALLDRIVES" ? 1 : 0) << name;
        EXPECT_EQ(Run(kHkeyLocalMachine) + Run(kHkeyCurrentUser), L"<absent><absent>");
        EXPECT_EQ(fake.registry.OpenHandles(), 0);
    }
}

TEST_F(SettingsTest, StartUpAppliesStoredValuesWithoutWritingThem) {
    for (const wchar_t* name : {L"Disabled", L"DetectionMethod", L"BlockMethod", L"RunDefaultAutorunProgram"})
        Store(name, 1);
    Store(L"AllDrives", 0);
    const int writes = fake.registry.Writes();
    Load();
    EXPECT_EQ(fake.registry.Writes(), writes);
    EXPECT_EQ(form.icon, kRedIcon) << "the icon shows blocking off from the start";
    EXPECT_EQ(form1->Check[1].Value() + form1->Check1.Value() + form1->Check[2].Value(), 0);
    EXPECT_EQ(form1->Check[3].Value() + form1->Check[4].Value(), 2);
    EXPECT_TRUE(form1->Timer7.Enabled() && form1->List1.Enabled());
    form1->Check[1].SetValue(1);
    EXPECT_EQ(Number(L"Disabled"), 0);
    EXPECT_EQ(form.icon, kGreenIcon);
}

// Where a value lives after a write of 1, for a number setting and for the Run entry (text
// "v1"), and what a read then gives. 0 stands for an older value.
TEST_F(SettingsTest, MachineWideWritesFallBackPerUserAndLeaveNoStaleOrDoubleCopy) {
    const struct {
        const char* story;
        bool machineRefused;
        std::optional<std::int32_t> machineBefore, userBefore, machineAfter, userAfter;
        int writes;  // values set or removed
    } rows[] = {
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
    for (const bool text : {false, true}) {
        const wchar_t* key = text ? kRunKey : kSettingsKey;
        const wchar_t* name = text ? kRunValueName : L"AllDrives";
        const auto put = [&](RegistryKey root, std::int32_t n) {
            text ? StoreText(root, key, name, L"v" + std::to_wstring(n)) : Store(name, n, root);
        };
        const auto held = [&](RegistryKey root) -> std::optional<std::int32_t> {
            const std::wstring v = Registry::ReadTextValue(fake.registry, root, key, name, L"");
            return text ? (v.empty() ? kAbsent : std::stoi(v.substr(1))) : Number(name, root);
        };
        for (const auto& row : rows) {
            fake.registry.RefuseWritesUnder(0);
            for (const RegistryKey root : {kHkeyLocalMachine, kHkeyCurrentUser})
                Registry::RemoveValue(fake.registry, root, key, name);
            if (row.machineBefore) put(kHkeyLocalMachine, *row.machineBefore);
            if (row.userBefore) put(kHkeyCurrentUser, *row.userBefore);
            fake.registry.RefuseWritesUnder(row.machineRefused ? kHkeyLocalMachine : 0);
            SettingsStore settings(fake.registry);
            const int writes = fake.registry.Writes();
            text ? settings.WriteRunEntry(L"v1") : settings.WriteNumber(name, 1);
            SCOPED_TRACE(std::string(row.story) + (text ? ", Run entry" : ", number"));
            EXPECT_EQ(fake.registry.Writes() - writes, row.writes);
            EXPECT_EQ(held(kHkeyLocalMachine), row.machineAfter);
            EXPECT_EQ(held(kHkeyCurrentUser), row.userAfter);
            EXPECT_TRUE(text ? settings.ReadRunEntry() == L"v1" : settings.ReadNumber(name, 7) == 1);
        }
    }
}

// Start-up derives "Start With Windows" from a Run value and writes it anew, so that it
// names this copy of the program; unchecking removes it wherever it is.
TEST_F(SettingsTest, StartUpRewritesARunValueAndUncheckingRemovesBoth) {
    const std::wstring current = L"\"C:\\Program Files\\Trayhush\\Trayhush.exe\"", old = L"\"D:\\Old\\Trayhush.exe\"";
    const struct {
        const char* story;
        bool machineRefused;
        RegistryKey storedUnder;  // 0: nothing stored
        int checked;
        std::wstring machineAfter, userAfter;
    } rows[] = {
        {"none", false, 0, 0, L"<absent>", L"<absent>"},
        {"machine-wide", false, kHkeyLocalMachine, 1, current, L"<absent>"},
        {"per user, machine refused", true, kHkeyCurrentUser, 1, L"<absent>", current},
    };
    for (const auto& row : rows) {
        fake.registry.RefuseWritesUnder(row.machineRefused ? kHkeyLocalMachine : 0);
        if (row.storedUnder) StoreText(row.storedUnder, kRunKey, kRunValueName, old);
        Restart();
        Load();
        EXPECT_EQ(form1->Check[0].Value(), row.checked) << row.story;
        EXPECT_EQ(Run(kHkeyLocalMachine), row.machineAfter) << row.story;
        EXPECT_EQ(Run(kHkeyCurrentUser), row.userAfter) << row.story;
        form1->Check[0].SetValue(0);
        EXPECT_EQ(Run(kHkeyLocalMachine) + Run(kHkeyCurrentUser), L"<absent><absent>") << row.story;
    }
}

// The stored "Drivelist" against the list D:, E:: which entries start selected, and what a
// user's click stores.
TEST_F(SettingsTest, DrivelistSelectsByLetterAndStoresAColonForNone) {
    const struct { const wchar_t* stored; bool d, e; } loads[] = {
        {L"", true, true}, {L":", false, false}, {L"E", false, true}, {L"e", false, false}, {L"ED", true, true}
    };
    for (const auto& row : loads) {
        StoreText(kHkeyLocalMachine, kSettingsKey, L"Drivelist", row.stored);
        Restart();
        Load();
        EXPECT_EQ(form1->List1.Selected(0), row.d) << row.stored;
        EXPECT_EQ(form1->List1.Selected(1), row.e) << row.stored;
    }
    const struct { bool d, e; const wchar_t* stored; } saves[] = {
        {true, true, L"DE"}, {false, true, L"E"}, {false, false, L":"}
    };
    for (const auto& row : saves) {
        form1->List1.UserSetSelected(0, row.d);
        form1->List1.UserSetSelected(1, row.e);
        EXPECT_EQ(Registry::ReadTextValue(fake.registry, kHkeyLocalMachine, kSettingsKey, L"Drivelist", L""),
                  row.stored);
    }
}

}  // namespace
