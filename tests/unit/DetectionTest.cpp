#include <functional>

#include "Form1Fixture.h"

namespace {

class DetectionTest : public Form1Fixture {};

// Only the whole event code "media inserted" with a named first item reports its drive.
TEST_F(DetectionTest, ANotificationReportsOnlyAMediaInsertion) {
    const struct { const wchar_t* displayName; std::intptr_t event; const wchar_t* reported; } rows[] = {
        {L"DVD (E:)", 0x20, L"E:\\"}, {L"DVD (E:)", 0x20 | 0x40, L""}, {L"DVD (E:)", 0x40, L""}, {L"", 0x20, L""},
    };
    for (const auto& row : rows) {
        Restart();
        form1->NotificationReceipt(fake.shell.AddItem(row.displayName, L"E:\\").value, row.event);
        EXPECT_EQ(form1->Text1.Text(), row.reported) << row.event << " " << row.displayName;
    }
}

// The list holds every CD-ROM drive from A: to Z:, and polling watches the first six. It
// compares with the labels the drives had when it started, and reports a disc taken out
// as much as one put in.
TEST_F(DetectionTest, PollingReportsEachChangeOfTheFirstSixDrives) {
    for (const wchar_t letter : {L'B', L'F', L'G', L'H', L'Z'}) fake.files.AddDrive(letter);
    fake.files.AddDrive(L'C', 3);  // a hard disk
    Store(L"DetectionMethod", 1);
    Load();
    std::wstring entries;
    for (int i = 0; i < form1->List1.ListCount(); ++i) entries += form1->List1.List(i);
    EXPECT_EQ(entries, L"B:D:E:F:G:H:Z:");
    const struct { const char* step; std::function<void()> change; const wchar_t* reported; } steps[] = {
        {"the disc already in E:", [] {}, nullptr},
        {"a disc put into B:", [&] { fake.files.InsertDisc(L'B', L""); }, L"B:\\"},
        {"taken out", [&] { fake.files.EjectDisc(L'B'); }, L"B:\\"},
        {"put back", [&] { fake.files.InsertDisc(L'B', L""); }, L"B:\\"},
        {"a disc in the seventh drive", [&] { fake.files.InsertDisc(L'Z', L"MOVIE"); }, nullptr},
        {"a disc in the sixth", [&] { fake.files.InsertDisc(L'H', L"MOVIE"); }, L"H:\\"},
    };
    for (const auto& step : steps) {
        step.change();
        const int before = fake.keyboard.releases;  // every report first lets go of Shift
        form1->Timer7.Fire();
        EXPECT_EQ(fake.keyboard.releases - before, step.reported ? 1 : 0) << step.step;
        EXPECT_TRUE(!step.reported || form1->Text1.Text() == step.reported) << step.step;
    }
}

// "Disk Entry Detection Method Two" switches from the shell's notifications to polling,
// which alone allows block method two and cancels a running termination window, and back.
TEST_F(DetectionTest, MethodTwoSwitchesDetectionAndBack) {
    Load();
    form1->Check[4].SetValue(1);
    form1->ReportArrival(L"E:\\");
    ASSERT_TRUE(MethodOneRuns() && TerminationRunning());
    for (const int methodTwo : {1, 0}) {
        form1->Check[3].UserClick();
        EXPECT_EQ(MethodOneRuns(), !methodTwo);
        EXPECT_EQ(form1->Timer7.Enabled(), methodTwo != 0);
        EXPECT_EQ(form1->Check[4].Enabled(), methodTwo != 0);
        EXPECT_EQ(Number(L"DetectionMethod"), methodTwo);
        EXPECT_FALSE(TerminationRunning());
    }
    EXPECT_EQ(form1->Check[4].Value(), 1) << "greying block method two keeps its value";
}

}  // namespace
