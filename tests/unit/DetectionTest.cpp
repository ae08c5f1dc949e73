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

// Polling compares with the labels the drives had when it started.
TEST_F(DetectionTest, PollingReportsOnlyDiscsInsertedAfterStartUp) {
    Store(L"DetectionMethod", 1);
    Load();
    ASSERT_TRUE(form1->Timer7.Enabled());
    form1->Timer7.Fire();
    EXPECT_EQ(form1->Text1.Text(), L"") << "the disc already in E: is no arrival";
    fake.files.InsertDisc(L'D', L"DATA");
    form1->Timer7.Fire();
    EXPECT_EQ(form1->Text1.Text(), L"D:\\");
}

}  // namespace
