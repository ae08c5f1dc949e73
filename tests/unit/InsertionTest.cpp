#include "Form1Fixture.h"

namespace {

using Arrange = void (*)(Form1&);

class InsertionTest : public Form1Fixture {
protected:
    // Start-up, blocking on all drives, then the row's arrangement, then a report of the root.
    void Arrive(Arrange arrange, const wchar_t* root) {
        Restart();
        Load();
        form1->Check[1].SetValue(1);
        form1->Check[2].SetValue(1);
        form1->SelectAllDrives();
        arrange(*form1);
        form1->ReportArrival(root);
    }
};

TEST_F(InsertionTest, WhichDrive) {
    fake.files.InsertDvdVideo(L'F', "open=a.exe");  // F: is no optical drive
    const struct { const char* story; Arrange arrange; const wchar_t* root; bool handled; } rows[] = {
        {"a listed drive, all drives blocked", [](Form1&) {}, L"E:\\", true},
        {"a selected drive", [](Form1& f) { f.Check[2].SetValue(0); }, L"E:\\", true},
        {"a drive not selected", [](Form1& f) { f.Check[2].SetValue(0), f.List1.SetSelected(1, 0); }, L"E:\\", false},
        {"not selected, all drives blocked", [](Form1& f) { f.List1.SetSelected(1, false); }, L"E:\\", true},
        {"a drive not listed", [](Form1&) {}, L"F:\\", false},
        {"blocking switched off", [](Form1& f) { f.Check[1].SetValue(0); }, L"E:\\", false},
        {"an option click in progress", [](Form1& f) { f.m_bInCheckClick = true; }, L"E:\\", false},
    };
    for (const auto& row : rows) {
        Arrive(row.arrange, row.root);
        EXPECT_EQ(TerminationRunning(), row.handled) << row.story;
    }
}

TEST_F(InsertionTest, WhichDisc) {
    // The files on the disc in E:, nullptr for none.
    const struct { const char* story; const wchar_t *ifo, *inf; std::uint32_t attributes; bool handled; } rows[] = {
        {"both files", L"VIDEO_TS\\VIDEO_TS.IFO", L"AUTORUN.INF", kFileAttributeArchive, true},
        {"names in any letter case", L"video_ts\\Video_TS.ifo", L"Autorun.Inf", kFileAttributeHidden, true},
        {"no VIDEO_TS.IFO", nullptr, L"AUTORUN.INF", kFileAttributeArchive, false},
        {"no AUTORUN.INF", L"VIDEO_TS\\VIDEO_TS.IFO", nullptr, kFileAttributeArchive, false},
    };
    for (const auto& row : rows) {
        fake.files.InsertDisc(L'E', L"MOVIE");
        if (row.ifo) fake.files.AddFile(L'E', row.ifo);
        if (row.inf) fake.files.AddFile(L'E', row.inf, "open=a.exe", row.attributes);
        const std::size_t started = fake.processes.started.size();
        Arrive([](Form1&) {}, L"E:\\");
        EXPECT_EQ(TerminationRunning(), row.handled) << row.story;
        EXPECT_EQ(fake.processes.started.size() - started, row.handled ? 1u : 0u) << row.story;
    }
    fake.files.EjectDisc(L'E');
    Arrive([](Form1&) {}, L"E:\\");
    EXPECT_FALSE(TerminationRunning()) << "no disc in the drive";
}

// Detection method two, block method two, run the default program: what the handler does.
TEST_F(InsertionTest, WhichOption) {
    const struct { int detectionTwo, blockTwo, runDefault; bool shift, termination, defaultCommand; } rows[] = {
        {0, 0, 0, false, true, false}, {0, 1, 0, false, true, false}, {1, 0, 1, false, true, true},
        {1, 1, 0, true, false, false}, {1, 1, 1, true, false, true},
    };
    for (const auto& row : rows) {
        Restart();
        Load();
        form1->Check[3].SetValue(row.detectionTwo);
        form1->Check[4].SetValue(row.blockTwo);
        form1->Check1.SetValue(row.runDefault);
        const std::size_t started = fake.processes.started.size();
        form1->ReportArrival(L"E:\\");
        EXPECT_EQ(fake.keyboard.shiftDown, row.shift) << row.detectionTwo << row.blockTwo << row.runDefault;
        EXPECT_EQ(form1->Timer6.Enabled(), row.shift);
        EXPECT_EQ(TerminationRunning(), row.termination);
        EXPECT_EQ(fake.processes.started.size() - started, row.defaultCommand ? 1u : 0u);
    }
}

}  // namespace
