#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "Form1Fixture.h"

namespace {

constexpr unsigned kDriveFixed = 3;

class InsertionHandlerTest : public Form1Fixture {
protected:
    // D: and E: are optical drives, both watched; F: is a hard disk. E: holds a DVD-Video
    // disc with an autorun program, and a default DVD player is registered.
    InsertionHandlerTest() {
        fake.files.AddCdrom(L'D');
        fake.files.AddCdrom(L'E');
        fake.files.AddDrive(L'F', kDriveFixed);
        fake.files.InsertDvdVideo(L'E', "[autorun]\r\nopen=SETUP.EXE\r\n");
        fake.registry.SetText(kHkeyClassesRoot, L"DVD\\shell", L"", L"play");
        fake.registry.SetText(kHkeyClassesRoot, L"DVD\\shell\\play\\command", L"", L"player.exe /dvd");
        form1->FillDriveList();
        form1->SelectAllDrives();
        form1->Check1.SetValue(1);
    }

    void UseBlockMethods(int detectionTwo, int blockTwo) {
        form1->Check[3].SetValue(detectionTwo);
        form1->Check[4].SetValue(blockTwo);
    }
    bool TerminationStarted() const { return form1->Timer1.Enabled(); }
    std::size_t DefaultCommandsStarted() const { return fake.processes.started.size(); }
    bool IsShiftRelease(const FakeKeyboard::Event& e) const {
        return e.vk == 0x10 && e.scan == 0 && e.flags == 2 && e.extra == 0;
    }
    bool IsShiftPress(const FakeKeyboard::Event& e) const {
        return e.vk == 0x10 && e.scan == 0 && e.flags == 0 && e.extra == 0;
    }
};

// One arrival and whether the program suppresses its autorun.
struct Arrival {
    const char* story;
    void (*arrange)(FakePlatform&, Form1&);
    const wchar_t* root;
    bool handled;
};

void PrintTo(const Arrival& arrival, std::ostream* os) { *os << arrival.story; }

void Nothing(FakePlatform&, Form1&) {}

const Arrival kArrivals[] = {
    {"watched drive with a DVD-Video disc", Nothing, L"E:\\", true},
    {"blocking switched off", [](FakePlatform&, Form1& f) { f.Check[1].SetValue(0); }, L"E:\\", false},
    {"an option click in progress", [](FakePlatform&, Form1& f) { f.m_bInCheckClick = true; }, L"E:\\", false},
    {"listed drive that is not selected",
     [](FakePlatform&, Form1& f) { f.List1.SetSelected(1, false); }, L"E:\\", false},
    {"unselected drive with all drives blocked",
     [](FakePlatform&, Form1& f) {
         f.List1.SetSelected(1, false);
         f.Check[2].SetValue(1);
     },
     L"E:\\", true},
    {"drive not in the list, all drives blocked",
     [](FakePlatform& p, Form1& f) {
         p.files.InsertDvdVideo(L'F', "open=SETUP.EXE");
         f.Check[2].SetValue(1);
     },
     L"F:\\", false},
    {"DVD-Video without autorun file",
     [](FakePlatform& p, Form1&) {
         p.files.InsertDisc(L'E', L"MOVIE");
         p.files.AddFile(L'E', L"VIDEO_TS\\VIDEO_TS.IFO");
     },
     L"E:\\", false},
    {"autorun file without DVD-Video",
     [](FakePlatform& p, Form1&) {
         p.files.InsertDisc(L'E', L"GAME");
         p.files.AddFile(L'E', L"AUTORUN.INF", "open=SETUP.EXE");
     },
     L"E:\\", false},
    {"file names in other letter cases",
     [](FakePlatform& p, Form1&) {
         p.files.InsertDisc(L'E', L"MOVIE");
         p.files.AddFile(L'E', L"video_ts\\Video_Ts.Ifo");
         p.files.AddFile(L'E', L"AutoRun.inf", "open=SETUP.EXE");
     },
     L"E:\\", true},
    {"read-only files",
     [](FakePlatform& p, Form1&) {
         p.files.FindFileOn(L'E', L"AUTORUN.INF")->attributes = kFileAttributeReadOnly;
         p.files.FindFileOn(L'E', L"VIDEO_TS\\VIDEO_TS.IFO")->attributes =
             kFileAttributeReadOnly | kFileAttributeArchive;
     },
     L"E:\\", true},
    {"hidden autorun file",
     [](FakePlatform& p, Form1&) {
         p.files.FindFileOn(L'E', L"AUTORUN.INF")->attributes = kFileAttributeHidden;
     },
     L"E:\\", true},
    {"system DVD-Video file",
     [](FakePlatform& p, Form1&) {
         p.files.FindFileOn(L'E', L"VIDEO_TS\\VIDEO_TS.IFO")->attributes = kFileAttributeSystem;
     },
     L"E:\\", true},
    {"autorun.inf is a folder",
     [](FakePlatform& p, Form1&) {
         p.files.FindFileOn(L'E', L"AUTORUN.INF")->attributes = kFileAttributeDirectory;
     },
     L"E:\\", false},
    {"drive not ready", [](FakePlatform& p, Form1&) { p.files.EjectDisc(L'E'); }, L"E:\\", false},
    {"drive gone since start-up", [](FakePlatform& p, Form1&) { p.files.RemoveDrive(L'E'); }, L"E:\\", false},
};

class InsertionDecisionTest : public InsertionHandlerTest,
                              public ::testing::WithParamInterface<Arrival> {};

}  // namespace

TEST_P(InsertionDecisionTest, ReleasesShiftFirstThenSuppressesOnlyWatchedDvdVideoDiscs) {
    const Arrival& arrival = GetParam();
    UseBlockMethods(0, 0);
    form1->Timer6.SetEnabled(true);
    arrival.arrange(fake, *form1);
    fake.keyboard.events.clear();

    form1->ReportArrival(arrival.root);

    ASSERT_FALSE(fake.keyboard.events.empty()) << arrival.story;
    EXPECT_TRUE(IsShiftRelease(fake.keyboard.events[0])) << arrival.story;
    EXPECT_EQ(fake.keyboard.events.size(), 1u) << arrival.story << ": termination touches no key";
    EXPECT_FALSE(form1->Timer6.Enabled()) << arrival.story;
    EXPECT_EQ(TerminationStarted(), arrival.handled) << arrival.story;
    EXPECT_EQ(DefaultCommandsStarted(), arrival.handled ? 1u : 0u) << arrival.story;
    EXPECT_EQ(form1->Text1.Text(), arrival.root) << arrival.story;
}

INSTANTIATE_TEST_SUITE_P(Arrivals, InsertionDecisionTest, ::testing::ValuesIn(kArrivals),
                         [](const ::testing::TestParamInfo<Arrival>& info) {
                             std::string name;
                             bool upper = true;
                             for (const char* c = info.param.story; *c; ++c) {
                                 if (!std::isalnum(static_cast<unsigned char>(*c))) {
                                     upper = true;
                                     continue;
                                 }
                                 name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c))) : *c;
                                 upper = false;
                             }
                             return name;
                         });

TEST_F(InsertionHandlerTest, ShiftIsHeldOnlyWithBothMethodTwoOptions) {
    struct Methods {
        int detectionTwo, blockTwo;
        bool holdsShift;
    };
    for (const Methods m : {Methods{1, 1, true}, Methods{1, 0, false}, Methods{0, 1, false},
                            Methods{0, 0, false}}) {
        FakePlatform machine;
        machine.files.AddCdrom(L'E');
        machine.files.InsertDvdVideo(L'E', "open=SETUP.EXE");
        machine.registry.SetText(kHkeyClassesRoot, L"DVD\\shell", L"", L"play");
        machine.registry.SetText(kHkeyClassesRoot, L"DVD\\shell\\play\\command", L"", L"player.exe");
        Form1 window(machine.platform);
        window.FillDriveList();
        window.SelectAllDrives();
        window.Check[3].SetValue(m.detectionTwo);
        window.Check[4].SetValue(m.blockTwo);
        window.Check1.SetValue(1);

        window.ReportArrival(L"E:\\");

        const std::string combination = "detection " + std::to_string(m.detectionTwo) + ", block " +
                                        std::to_string(m.blockTwo);
        EXPECT_EQ(machine.keyboard.shiftDown, m.holdsShift) << combination;
        EXPECT_EQ(window.Timer6.Enabled(), m.holdsShift) << combination;
        EXPECT_EQ(window.Timer1.Enabled(), !m.holdsShift) << combination << ": exactly one method";
        EXPECT_EQ(machine.processes.started.size(), 1u) << combination << ": default player after either";
    }
}

TEST_F(InsertionHandlerTest, TheSameDriveTwiceRunsTheHandlerTwiceAndRestartsTheShiftHold) {
    UseBlockMethods(1, 1);
    fake.keyboard.events.clear();
    form1->ReportArrival(L"E:\\");
    form1->ReportArrival(L"E:\\");

    ASSERT_EQ(fake.keyboard.events.size(), 4u);
    EXPECT_TRUE(IsShiftRelease(fake.keyboard.events[0]));
    EXPECT_TRUE(IsShiftPress(fake.keyboard.events[1]));
    EXPECT_TRUE(IsShiftRelease(fake.keyboard.events[2]));
    EXPECT_TRUE(IsShiftPress(fake.keyboard.events[3]));
    EXPECT_TRUE(form1->Timer6.Enabled());
    EXPECT_EQ(DefaultCommandsStarted(), 2u);
}

TEST_F(InsertionHandlerTest, Timer6ReleasesShiftAfterThirtySecondsAndStops) {
    UseBlockMethods(1, 1);
    form1->ReportArrival(L"E:\\");
    ASSERT_TRUE(fake.keyboard.shiftDown);
    EXPECT_EQ(form1->Timer6.Interval(), 30000u);

    fake.keyboard.events.clear();
    form1->Timer6.Fire();
    ASSERT_EQ(fake.keyboard.events.size(), 1u);
    EXPECT_TRUE(IsShiftRelease(fake.keyboard.events[0]));
    EXPECT_FALSE(form1->Timer6.Enabled());
    form1->Timer6.Fire();
    EXPECT_EQ(fake.keyboard.events.size(), 1u) << "a stopped timer releases nothing more";
}

TEST_F(InsertionHandlerTest, AnyLaterReportEndsTheShiftHoldEvenWhenItIsNotHandled) {
    UseBlockMethods(1, 1);
    form1->ReportArrival(L"E:\\");
    ASSERT_TRUE(fake.keyboard.shiftDown);
    form1->ReportArrival(L"F:\\");
    EXPECT_FALSE(fake.keyboard.shiftDown);
    EXPECT_FALSE(form1->Timer6.Enabled());
}

TEST_F(InsertionHandlerTest, HoldShiftKeyInsistsOnDetectionMethodTwo) {
    UseBlockMethods(0, 1);
    fake.keyboard.events.clear();
    form1->HoldShiftKey();
    EXPECT_TRUE(fake.keyboard.events.empty());
    EXPECT_FALSE(form1->Timer6.Enabled());
}

TEST_F(InsertionHandlerTest, ALaterDriveIsJudgedOnItsOwnEntry) {
    UseBlockMethods(0, 0);
    form1->ReportArrival(L"E:\\");
    ASSERT_TRUE(form1->m_bDriveListed);
    EXPECT_EQ(form1->m_iDriveListIndex, 1);

    fake.files.InsertDvdVideo(L'F', "open=SETUP.EXE");
    form1->ReportArrival(L"F:\\");
    EXPECT_FALSE(form1->m_bDriveListed);
    EXPECT_EQ(DefaultCommandsStarted(), 1u);
}

TEST_F(InsertionHandlerTest, AnEmptyReportIsIgnored) {
    fake.keyboard.events.clear();
    form1->ReportArrival(L"");
    EXPECT_TRUE(fake.keyboard.events.empty());
    EXPECT_EQ(form1->Text1.Text(), L"");
}

TEST_F(InsertionHandlerTest, TheDefaultPlayerNeverRunsWhileBlockingIsOff) {
    form1->Check[1].SetValue(0);
    form1->ReportArrival(L"E:\\");
    EXPECT_EQ(DefaultCommandsStarted(), 0u);
    EXPECT_FALSE(fake.keyboard.shiftDown);
}
