#include <functional>

#include "Form1Fixture.h"

namespace {

using Arrange = std::function<void(Form1&)>;

class InsertionTest : public Form1Fixture {
protected:
    // Start-up, blocking on all drives, then the row's arrangement, then a report of the root.
    void Arrive(const Arrange& arrange, const wchar_t* root) {
        Restart();
        Load();
        form1->Check[1].SetValue(1);
        form1->Check[2].SetValue(1);
        form1->SelectAllDrives();
        arrange(*form1);
        form1->ReportArrival(root);
    }
};

// The handler guards a DVD-Video disc with an autorun.inf in a listed drive that is blocked,
// and starts the default DVD command for it; for anything else it does nothing.
TEST_F(InsertionTest, WhichDriveAndWhichDisc) {
    fake.files.InsertDvdVideo(L'F', "open=a.exe");  // F: is no optical drive
    // E: holds a disc with these files, nullptr for none.
    const auto disc = [this](const wchar_t* ifo, const wchar_t* inf, std::uint32_t attributes = kFileAttributeArchive) {
        return [=](Form1&) {
            fake.files.InsertDisc(L'E', L"MOVIE");
            if (ifo) fake.files.AddFile(L'E', ifo);
            if (inf) fake.files.AddFile(L'E', inf, "open=a.exe", attributes);
        };
    };
    const struct { const char* story; Arrange arrange; const wchar_t* root; bool handled; } rows[] = {
        {"a listed drive, all drives blocked", [](Form1&) {}, L"E:\\", true},
        {"a selected drive", [](Form1& f) { f.Check[2].SetValue(0); }, L"E:\\", true},
        {"a drive not selected", [](Form1& f) { f.Check[2].SetValue(0), f.List1.SetSelected(1, 0); }, L"E:\\", false},
        {"not selected, all drives blocked", [](Form1& f) { f.List1.SetSelected(1, false); }, L"E:\\", true},
        {"a drive not listed", [](Form1&) {}, L"F:\\", false},
        {"blocking switched off", [](Form1& f) { f.Check[1].SetValue(0); }, L"E:\\", false},
        {"an option click in progress", [](Form1& f) { f.m_bInCheckClick = true; }, L"E:\\", false},
        {"names in any letter case", disc(L"video_ts\\Video_TS.ifo", L"Autorun.Inf", kFileAttributeHidden), L"E:\\", true},
        {"no VIDEO_TS.IFO", disc(nullptr, L"AUTORUN.INF"), L"E:\\", false},
        {"no AUTORUN.INF", disc(L"VIDEO_TS\\VIDEO_TS.IFO", nullptr), L"E:\\", false},
        {"no disc in the drive", [this](Form1&) { fake.files.EjectDisc(L'E'); }, L"E:\\", false},
    };
    for (const auto& row : rows) {
        const std::size_t started = fake.processes.started.size();
        Arrive(row.arrange, row.root);
        EXPECT_EQ(TerminationRunning(), row.handled) << row.story;
        EXPECT_EQ(fake.processes.started.size() - started, row.handled ? 1u : 0u) << row.story;
    }
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
