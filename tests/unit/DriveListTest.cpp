#include <gtest/gtest.h>

#include "Form1Fixture.h"
#include "settings/Registry.h"

namespace {

constexpr unsigned kDriveFixed = 3;
constexpr unsigned kDriveRemote = 4;

class DriveListTest : public Form1Fixture {
protected:
    // Optical drives D: and E:, and a hard disk and a network drive that must not be listed.
    void SetUp() override {
        fake.files.AddDrive(L'C', kDriveFixed);
        fake.files.AddCdrom(L'D');
        fake.files.AddCdrom(L'E');
        fake.files.AddDrive(L'N', kDriveRemote);
        form1->FillDriveList();
    }

    void StoreDrivelist(const std::wstring& text) {
        fake.registry.SetText(kHkeyLocalMachine, kSettingsKey, L"Drivelist", text);
    }
    std::wstring StoredDrivelist() {
        return Registry::ReadTextValue(fake.registry, kHkeyLocalMachine, kSettingsKey, L"Drivelist",
                                       L"<absent>");
    }
    // "DE" for D: and E: selected.
    std::wstring SelectedLetters() const {
        std::wstring letters;
        for (int i = 0; i < form1->List1.ListCount(); ++i)
            if (form1->List1.Selected(i)) letters += form1->List1.List(i)[0];
        return letters;
    }
};

}  // namespace

TEST_F(DriveListTest, ListsOnlyCdromDrivesAsLetterAndColon) {
    ASSERT_EQ(form1->List1.ListCount(), 2);
    EXPECT_EQ(form1->List1.List(0), L"D:");
    EXPECT_EQ(form1->List1.List(1), L"E:");
    EXPECT_EQ(SelectedLetters(), L"") << "a fresh list selects nothing";
}

TEST_F(DriveListTest, EveryLetterFromAToZIsExaminedInOrder) {
    fake.files.AddCdrom(L'Z');
    fake.files.AddCdrom(L'B');
    fake.files.AddCdrom(L'A');
    form1->FillDriveList();
    std::wstring entries;
    for (int i = 0; i < form1->List1.ListCount(); ++i) entries += form1->List1.List(i) + L" ";
    EXPECT_EQ(entries, L"A: B: D: E: Z: ") << "filling again starts from an empty list";
}

TEST_F(DriveListTest, FirstStartWatchesEveryDriveAndWritesNothing) {
    form1->LoadDriveSelection();
    EXPECT_EQ(SelectedLetters(), L"DE");
    EXPECT_EQ(StoredDrivelist(), L"<absent>");
}

TEST_F(DriveListTest, AStoredValueOfAnotherTypeCountsAsAbsent) {
    fake.registry.SetNumber(kHkeyLocalMachine, kSettingsKey, L"Drivelist", 0);
    form1->LoadDriveSelection();
    EXPECT_EQ(SelectedLetters(), L"DE");
}

TEST_F(DriveListTest, ALoneColonWatchesNoDrive) {
    StoreDrivelist(L":");
    form1->LoadDriveSelection();
    EXPECT_EQ(SelectedLetters(), L"");
}

TEST_F(DriveListTest, StoredLettersSelectTheirDrivesWhateverTheirOrder) {
    StoreDrivelist(L"ED");
    form1->LoadDriveSelection();
    EXPECT_EQ(SelectedLetters(), L"DE");

    StoreDrivelist(L"xE:E");
    form1->FillDriveList();
    form1->LoadDriveSelection();
    EXPECT_EQ(SelectedLetters(), L"E") << "repetitions and foreign characters do not matter";
}

TEST_F(DriveListTest, LettersAreComparedWithTheirCase) {
    StoreDrivelist(L"de");
    form1->LoadDriveSelection();
    EXPECT_EQ(SelectedLetters(), L"");
}

TEST_F(DriveListTest, EachClickStoresTheSelectionInListOrder) {
    StoreDrivelist(L"ED");
    form1->LoadDriveSelection();
    form1->List1.UserSetSelected(1, false);
    EXPECT_EQ(StoredDrivelist(), L"D");
    form1->List1.UserSetSelected(1, true);
    EXPECT_EQ(StoredDrivelist(), L"DE");
}

TEST_F(DriveListTest, DeselectingTheLastDriveStoresAColonNeverEmptyText) {
    StoreDrivelist(L"E");
    form1->LoadDriveSelection();
    form1->List1.UserSetSelected(1, false);
    EXPECT_EQ(StoredDrivelist(), L":");
    form1->LoadDriveSelection();
    EXPECT_EQ(SelectedLetters(), L"") << "the stored colon reads back as no drive, not as all";
}

TEST_F(DriveListTest, ALetterOfAnAbsentDriveIsDroppedAtTheNextClick) {
    StoreDrivelist(L"FD");
    form1->LoadDriveSelection();
    EXPECT_EQ(SelectedLetters(), L"D");
    form1->List1.UserSetSelected(1, true);
    EXPECT_EQ(StoredDrivelist(), L"DE");
}

TEST_F(DriveListTest, WithoutOpticalDrivesTheListStaysEmpty) {
    FakePlatform bare;
    Form1 other(bare.platform);
    other.FillDriveList();
    other.LoadDriveSelection();
    EXPECT_EQ(other.List1.ListCount(), 0);
    other.SaveDriveSelection();
    EXPECT_EQ(Registry::ReadTextValue(bare.registry, kHkeyLocalMachine, kSettingsKey, L"Drivelist", L""), L":");
}
