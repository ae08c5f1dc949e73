#include <algorithm>
#include <string>

#include "unit/Form1Fixture.h"

namespace {

std::wstring Fingerprint(const std::wstring& label) { return label + L'\0'; }

class VolumePollingTest : public Form1Fixture {
protected:
    // CD-ROM drives from D: on, listed the way start-up lists them.
    void ListDrives(int count) {
        for (int i = 0; i < count; ++i) fake.files.AddCdrom(static_cast<wchar_t>(L'D' + i));
        form1->FillDriveList();
    }
    void StoreDetectionMethod(int method) {
        fake.registry.SetNumber(kHkeyLocalMachine, L"Software\\Trayhush\\Settings", L"DetectionMethod", method);
    }
    // Every report runs the insertion handler, and the handler always begins by releasing Shift.
    int HandlerRuns() const {
        return static_cast<int>(std::count_if(fake.keyboard.events.begin(), fake.keyboard.events.end(),
                                              [](const FakeKeyboard::Event& e) { return e.vk == 0x10 && e.flags == 2; }));
    }
};

// The label fingerprint.

TEST_F(VolumePollingTest, AFingerprintIsTheNameWithItsNulAndNothingWithoutAMedium) {
    fake.files.AddCdrom(L'D');
    fake.files.AddCdrom(L'E');
    fake.files.AddCdrom(L'F');
    fake.files.InsertDisc(L'D', L"MOVIE");
    fake.files.InsertDisc(L'E', L"");
    fake.files.InsertDisc(L'F', L"  TWO WORDS  ");

    EXPECT_EQ(form1->GetVolumeLabel(L"D"), Fingerprint(L"MOVIE"));
    EXPECT_EQ(form1->GetVolumeLabel(L"E"), std::wstring(1, L'\0')) << "no label still reads as a medium";
    EXPECT_EQ(form1->GetVolumeLabel(L"F"), Fingerprint(L"TWO WORDS  ")) << "spaces before the NUL stay";
    EXPECT_EQ(form1->GetVolumeLabel(L"G"), L"") << "no such drive";
    EXPECT_EQ(form1->GetVolumeLabel(L""), L"");
    fake.files.EjectDisc(L'D');
    EXPECT_EQ(form1->GetVolumeLabel(L"D"), L"");
}

TEST_F(VolumePollingTest, TheVolumeRecordCarriesTheOtherFieldsToo) {
    fake.files.AddCdrom(L'D');
    fake.files.InsertDisc(L'D', L"MOVIE");
    const VolumeInfo info = form1->GetVolumeInfo(L"D");
    EXPECT_EQ(info.VolumeName, Fingerprint(L"MOVIE"));
    EXPECT_EQ(info.FileSystemName, Fingerprint(L"UDF"));
    EXPECT_EQ(info.SerialNumber, 0x1234u);
    const VolumeInfo none = form1->GetVolumeInfo(L"Q");
    EXPECT_EQ(none.VolumeName, L"");
    EXPECT_EQ(none.FileSystemName, L"");
    EXPECT_EQ(none.SerialNumber, 0u);
}

// Polling passes.

TEST_F(VolumePollingTest, TimerSevenTicksEveryMillisecondOnceStarted) {
    EXPECT_EQ(form1->Timer7.Interval(), 1u);
    EXPECT_FALSE(form1->Timer7.Enabled());
    ListDrives(1);
    form1->unsubclassit();
    const int before = fake.files.volumeQueries;
    form1->Timer7.Fire();
    EXPECT_EQ(fake.files.volumeQueries - before, 6);
}

TEST_F(VolumePollingTest, InsertionAndRemovalAreReportedWithTheSamePath) {
    ListDrives(2);
    fake.files.InsertDisc(L'E', L"MOVIE");
    form1->PollDrives();
    EXPECT_EQ(form1->Text1.Text(), L"E:\\");
    EXPECT_EQ(HandlerRuns(), 1);
    EXPECT_EQ(form1->m_sDriveLabels[1], Fingerprint(L"MOVIE"));

    form1->PollDrives();
    EXPECT_EQ(HandlerRuns(), 1) << "an unchanged label is not reported";

    fake.files.EjectDisc(L'E');
    form1->PollDrives();
    EXPECT_EQ(form1->Text1.Text(), L"E:\\");
    EXPECT_EQ(HandlerRuns(), 2);
    EXPECT_EQ(form1->m_sDriveLabels[1], L"");
}

TEST_F(VolumePollingTest, ADiscWithoutALabelIsDetected) {
    ListDrives(1);
    fake.files.InsertDisc(L'D', L"");
    form1->PollDrives();
    EXPECT_EQ(form1->Text1.Text(), L"D:\\");
    EXPECT_EQ(form1->m_sDriveLabels[0], std::wstring(1, L'\0'));
}

TEST_F(VolumePollingTest, OnlyALabelChangeBetweenTwoPassesIsSeen) {
    ListDrives(1);
    fake.files.InsertDisc(L'D', L"MOVIE");
    form1->PollDrives();
    fake.files.InsertDisc(L'D', L"MOVIE");  // swapped for a disc with the same label
    form1->PollDrives();
    EXPECT_EQ(HandlerRuns(), 1);
    fake.files.InsertDisc(L'D', L"OTHER");
    form1->PollDrives();
    EXPECT_EQ(HandlerRuns(), 2);
}

TEST_F(VolumePollingTest, AStoredLabelComesFromASecondFreshQuery) {
    ListDrives(2);
    fake.files.InsertDisc(L'E', L"MOVIE");
    // The medium goes while the handler runs: the label kept is the one seen after it.
    auto handler = form1->Text1.Change;
    form1->Text1.Change = [&] {
        handler();
        fake.files.EjectDisc(L'E');
    };
    const int before = fake.files.volumeQueries;
    form1->PollDrives();
    EXPECT_EQ(fake.files.volumeQueries - before, 7) << "six, and one more for the change";
    EXPECT_EQ(form1->m_sDriveLabels[1], L"");
    form1->PollDrives();
    EXPECT_EQ(HandlerRuns(), 1) << "the empty drive was already seen";
}

TEST_F(VolumePollingTest, FewerThanSixDrivesStillMakeSixQueriesAndNoReports) {
    ListDrives(2);
    const int before = fake.files.volumeQueries;
    form1->PollDrives();
    EXPECT_EQ(fake.files.volumeQueries - before, 6);
    EXPECT_EQ(HandlerRuns(), 0);
    for (const std::wstring& label : form1->m_sDriveLabels) EXPECT_EQ(label, L"");
}

TEST_F(VolumePollingTest, OnlyTheFirstSixDrivesAreWatched) {
    ListDrives(7);  // D: to J:
    fake.files.InsertDisc(L'J', L"SEVENTH");
    form1->PollDrives();
    EXPECT_EQ(HandlerRuns(), 0);
    fake.files.InsertDisc(L'I', L"SIXTH");
    form1->PollDrives();
    EXPECT_EQ(form1->Text1.Text(), L"I:\\");
    EXPECT_EQ(form1->m_sDriveLabels[5], Fingerprint(L"SIXTH"));
}

TEST_F(VolumePollingTest, AVanishedDriveReadsAsEmptyAndIsReportedOnce) {
    ListDrives(2);
    fake.files.InsertDisc(L'E', L"MOVIE");
    form1->PollDrives();
    fake.files.RemoveDrive(L'E');  // still listed, but the system no longer knows the letter
    form1->PollDrives();
    form1->PollDrives();
    EXPECT_EQ(form1->Text1.Text(), L"E:\\");
    EXPECT_EQ(HandlerRuns(), 2) << "the arrival, then the vanishing, each once";
    EXPECT_EQ(form1->m_sDriveLabels[1], L"");
}

// Snapshots.

TEST_F(VolumePollingTest, DiscsPresentAtStartUpWithPollingAreNotReported) {
    ListDrives(2);
    fake.files.InsertDisc(L'D', L"MOVIE");
    StoreDetectionMethod(1);
    ASSERT_TRUE(Load());
    ASSERT_TRUE(form1->Timer7.Enabled());
    EXPECT_EQ(form1->m_sDriveLabels[0], Fingerprint(L"MOVIE"));
    form1->Timer7.Fire();
    EXPECT_EQ(form1->Text1.Text(), L"");
    EXPECT_EQ(HandlerRuns(), 0);
}

TEST_F(VolumePollingTest, SwitchingToPollingLaterReportsEveryDiscAlreadyIn) {
    ListDrives(3);
    fake.files.InsertDisc(L'D', L"MOVIE");
    fake.files.InsertDisc(L'F', L"");
    ASSERT_TRUE(Load());  // method one: no snapshot
    ASSERT_FALSE(form1->Timer7.Enabled());
    form1->Check[3].UserClick();
    ASSERT_TRUE(form1->Timer7.Enabled());

    std::vector<std::wstring> reported;
    auto handler = form1->Text1.Change;
    form1->Text1.Change = [&] {
        reported.push_back(form1->Text1.Text());
        handler();
    };
    form1->Timer7.Fire();
    EXPECT_EQ(reported, (std::vector<std::wstring>{L"D:\\", L"F:\\"}));
}

TEST_F(VolumePollingTest, RemovingAHeldDiscReleasesShift) {
    fake.files.AddCdrom(L'E');
    StoreDetectionMethod(1);
    fake.registry.SetNumber(kHkeyLocalMachine, L"Software\\Trayhush\\Settings", L"BlockMethod", 1);
    ASSERT_TRUE(Load());
    fake.files.InsertDvdVideo(L'E', "[autorun]\r\nopen=setup.exe\r\n");
    form1->Timer7.Fire();
    ASSERT_TRUE(fake.keyboard.shiftDown) << "block method two holds Shift";
    ASSERT_TRUE(form1->Timer6.Enabled());

    fake.files.EjectDisc(L'E');
    form1->Timer7.Fire();
    EXPECT_FALSE(fake.keyboard.shiftDown);
    EXPECT_FALSE(form1->Timer6.Enabled());
    EXPECT_EQ(form1->Text1.Text(), L"E:\\");
}

}  // namespace
