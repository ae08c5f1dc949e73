#include <functional>
#include <string>

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

// What the handler does with a report: T starts the termination window, S holds Shift, D
// starts the default DVD command. It acts on a DVD-Video disc with an autorun.inf in a
// listed drive that is blocked, by the options' methods, and on nothing else.
TEST_F(InsertionTest, WhichDriveWhichDiscWhichOption) {
    fake.files.InsertDvdVideo(L'F', "open=a.exe");  // F: is no optical drive
    // Detection method two, block method two, run the default program; they are stored, so
    // their rows come last, and each puts a DVD-Video disc into E: again.
    const auto options = [this](int detectionTwo, int blockTwo, int runDefault) {
        return [=](Form1& f) {
            fake.files.InsertDvdVideo(L'E', "open=a.exe");
            f.Check[3].SetValue(detectionTwo), f.Check[4].SetValue(blockTwo), f.Check1.SetValue(runDefault);
        };
    };
    // E: holds a disc with these files, nullptr for none.
    const auto disc = [this](const wchar_t* ifo, const wchar_t* inf, std::uint32_t attributes = kFileAttributeArchive) {
        return [=](Form1&) {
            fake.files.InsertDisc(L'E', L"MOVIE");
            if (ifo) fake.files.AddFile(L'E', ifo);
            if (inf) fake.files.AddFile(L'E', inf, "open=a.exe", attributes);
        };
    };
    const struct { const char* story; Arrange arrange; const wchar_t* root; std::string does; } rows[] = {
        {"a listed drive, all drives blocked", [](Form1&) {}, L"E:\\", "TD"},
        {"a selected drive", [](Form1& f) { f.Check[2].SetValue(0); }, L"E:\\", "TD"},
        {"a drive not selected", [](Form1& f) { f.Check[2].SetValue(0), f.List1.SetSelected(1, 0); }, L"E:\\", ""},
        {"not selected, all drives blocked", [](Form1& f) { f.List1.SetSelected(1, false); }, L"E:\\", "TD"},
        {"a drive not listed", [](Form1&) {}, L"F:\\", ""},
        {"blocking switched off", [](Form1& f) { f.Check[1].SetValue(0); }, L"E:\\", ""},
        {"an option click in progress", [](Form1& f) { f.m_bInCheckClick = true; }, L"E:\\", ""},
        {"names in any letter case", disc(L"video_ts\\Video_TS.ifo", L"Autorun.Inf", kFileAttributeHidden), L"E:\\", "TD"},
        {"no VIDEO_TS.IFO", disc(nullptr, L"AUTORUN.INF"), L"E:\\", ""},
        {"no AUTORUN.INF", disc(L"VIDEO_TS\\VIDEO_TS.IFO", nullptr), L"E:\\", ""},
        {"no disc in the drive", [this](Form1&) { fake.files.EjectDisc(L'E'); }, L"E:\\", ""},
        {"no default program", options(0, 0, 0), L"E:\\", "T"},
        {"block method two alone", options(0, 1, 0), L"E:\\", "T"},
        {"detection method two alone", options(1, 0, 1), L"E:\\", "TD"},
        {"both methods two", options(1, 1, 0), L"E:\\", "S"},
        {"both methods two, the default program", options(1, 1, 1), L"E:\\", "SD"},
    };
    for (const auto& row : rows) {
        const std::size_t started = fake.processes.started.size();
        Arrive(row.arrange, row.root);
        const bool defaultCommand = fake.processes.started.size() > started;
        EXPECT_EQ(std::string(TerminationRunning() ? "T" : "") + (fake.keyboard.shiftDown ? "S" : "") + (defaultCommand ? "D" : ""),
                  row.does) << row.story;
        EXPECT_EQ(form1->Timer6.Enabled(), fake.keyboard.shiftDown) << row.story;
    }
}

}  // namespace
