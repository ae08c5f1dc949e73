#include <gtest/gtest.h>

#include <string>

#include "Form1Fixture.h"
#include "suppress/ProcessScan.h"

namespace {

class AutorunTerminationTest : public Form1Fixture {
protected:
    // A disc in E: whose autorun starts SETUP.EXE; the handler has reported E:\.
    AutorunTerminationTest() {
        fake.files.AddCdrom(L'E');
        fake.files.InsertDvdVideo(L'E', "[autorun]\r\nopen=SETUP.EXE\r\nicon=disc.ico\r\n");
        form1->Text1.SetText(L"E:\\");
        fake.processes.Add(4, L"C:\\WINDOWS\\EXPLORER.EXE");
    }
    void TearDown() override { EXPECT_EQ(fake.processes.OpenHandles(), 0) << "a handle was left open"; }

    void NewAutorunInf(const std::string& content) {
        fake.files.AddFile(L'E', L"AUTORUN.INF", content);
    }
    std::uint32_t ExitCodeOf(std::uint32_t id) const { return fake.processes.Find(id)->exitCode; }
    bool Running(std::uint32_t id) const { return fake.processes.Find(id)->running; }
    FakeProcesses::Process& Process(std::uint32_t id, const std::wstring& path) {
        return fake.processes.Add(id, path);
    }
};

// The scan rules hold for both enumerations: 1 the Toolhelp snapshot, 2 the process ids.
class ProcessScanTest : public AutorunTerminationTest,
                        public ::testing::WithParamInterface<std::uint32_t> {
protected:
    void SetUp() override { fake.processes.platformId = GetParam(); }
};

}  // namespace

TEST_F(AutorunTerminationTest, StartReadsTheReportedDiscAndOpensAWindowFromNow) {
    fake.processes.tickCount = 5000;
    form1->StartAutorunTermination();
    EXPECT_EQ(form1->m_sAutorunProgram, L"SETUP.EXE");
    EXPECT_TRUE(form1->Timer1.Enabled());
    EXPECT_EQ(form1->Timer1.Interval(), 1u);
    EXPECT_EQ(form1->m_lTerminateStart, 5000);
}

TEST_F(AutorunTerminationTest, ADiscWithoutAUsableNameLeavesThePreviousNameInForce) {
    form1->StartAutorunTermination();
    ASSERT_EQ(form1->m_sAutorunProgram, L"SETUP.EXE");

    struct Disc {
        const char* story;
        void (*arrange)(FakeFileSystem&);
    };
    const Disc discs[] = {
        {"no .EXE", [](FakeFileSystem& f) { f.AddFile(L'E', L"AUTORUN.INF", "open=run.bat"); }},
        {"no open key", [](FakeFileSystem& f) { f.AddFile(L'E', L"AUTORUN.INF", "icon=x.exe"); }},
        {"empty file", [](FakeFileSystem& f) { f.AddFile(L'E', L"AUTORUN.INF", ""); }},
        {"binary file", [](FakeFileSystem& f) { f.AddFile(L'E', L"AUTORUN.INF", std::string("\0\xff\x10", 3)); }},
        {"32768 bytes",
         [](FakeFileSystem& f) {
             std::string huge = "open=other.exe";
             huge.resize(32768, ' ');
             f.AddFile(L'E', L"AUTORUN.INF", huge);
         }},
        {"unreadable",
         [](FakeFileSystem& f) {
             f.AddFile(L'E', L"AUTORUN.INF", "open=other.exe");
             f.FindFileOn(L'E', L"AUTORUN.INF")->readError = kErrorAccessDenied;
         }},
        {"no autorun.inf", [](FakeFileSystem& f) { f.InsertDisc(L'E', L"MOVIE"); }},
        {"drive not ready", [](FakeFileSystem& f) { f.EjectDisc(L'E'); }},
        {"drive gone", [](FakeFileSystem& f) { f.RemoveDrive(L'E'); }},
    };
    std::uint32_t now = 10000;
    for (const Disc& disc : discs) {
        disc.arrange(fake.files);
        form1->Timer1.SetEnabled(false);
        fake.processes.tickCount = ++now;
        form1->StartAutorunTermination();
        EXPECT_EQ(form1->m_sAutorunProgram, L"SETUP.EXE") << disc.story;
        EXPECT_TRUE(form1->Timer1.Enabled()) << disc.story << ": polling starts all the same";
        EXPECT_EQ(form1->m_lTerminateStart, static_cast<std::int32_t>(now)) << disc.story;
    }
}

TEST_F(AutorunTerminationTest, AFileOfExactly32767BytesIsStillRead) {
    std::string content = "open=other.exe";
    content.resize(32767, ' ');
    NewAutorunInf(content);
    form1->StartAutorunTermination();
    EXPECT_EQ(form1->m_sAutorunProgram, L"other.exe");
}

TEST_F(AutorunTerminationTest, TheWindowClosesAtTheFirstTickAfterSixtySeconds) {
    for (const std::uint32_t start : {1000u, 0x7FFFFFF0u, 0xFFFFFFF0u}) {
        const std::string at = "window from " + std::to_string(start);
        fake.processes.tickCount = start;
        form1->StartAutorunTermination();

        fake.processes.tickCount = start + 100;  // past 2^31 or 2^32 for the later starts
        form1->Timer1.Fire();
        EXPECT_TRUE(form1->Timer1.Enabled()) << at;

        const std::uint32_t id = 100 + (start & 0xFF);
        Process(id, L"E:\\SETUP.EXE");
        fake.processes.tickCount = start + 60000;
        form1->Timer1.Fire();
        EXPECT_FALSE(Running(id)) << at << ": the tick at exactly 60 s scans";
        EXPECT_TRUE(form1->Timer1.Enabled()) << at << ": and keeps polling";

        Process(id + 1, L"E:\\SETUP.EXE");
        fake.processes.tickCount = start + 60001;
        form1->Timer1.Fire();
        EXPECT_FALSE(Running(id + 1)) << at << ": the last tick still scans";
        EXPECT_FALSE(form1->Timer1.Enabled()) << at;
    }
}

TEST_F(AutorunTerminationTest, ANewDiscRestartsTheWindowFromZero) {
    struct RecordingTimer : TimerPeer {
        std::string log;
        void Start(unsigned intervalMs) override { log += "start " + std::to_string(intervalMs) + "; "; }
        void Stop() override { log += "stop; "; }
    } realTimer;
    form1->Timer1.Bind(&realTimer);
    fake.processes.tickCount = 1000;
    form1->StartAutorunTermination();
    fake.processes.tickCount = 50000;
    form1->StartAutorunTermination();
    fake.processes.tickCount = 100000;
    form1->Timer1.Fire();
    EXPECT_TRUE(form1->Timer1.Enabled());
    fake.processes.tickCount = 110001;
    form1->Timer1.Fire();
    EXPECT_FALSE(form1->Timer1.Enabled());
    EXPECT_EQ(realTimer.log, "start 1; stop; start 1; stop; ") << "the running timer is restarted, not kept";
    form1->Timer1.Bind(nullptr);
}

TEST_F(AutorunTerminationTest, OnAnUnknownPlatformTheWindowRunsAndDoesNothing) {
    fake.processes.platformId = 3;
    Process(8, L"E:\\SETUP.EXE");
    form1->StartAutorunTermination();
    form1->Timer1.Fire();
    EXPECT_TRUE(Running(8));
    EXPECT_TRUE(fake.processes.opens.empty());
    EXPECT_EQ(fake.processes.listings, 0);
    EXPECT_TRUE(form1->Timer1.Enabled());
}

TEST_F(AutorunTerminationTest, ProcessesThatCannotBeInspectedAreSkipped) {
    fake.processes.platformId = kPlatformNt;
    Process(5, L"E:\\SETUP.EXE").inspectable = false;
    FakeProcesses::Process& unreadable = Process(6, L"E:\\SETUP.EXE");
    unreadable.modulesReadable = false;
    unreadable.imageNameReadable = false;
    Process(7, L"E:\\SETUP.EXE");
    form1->StartAutorunTermination();
    form1->Timer1.Fire();
    EXPECT_TRUE(Running(5));
    EXPECT_TRUE(Running(6));
    EXPECT_FALSE(Running(7));
}

TEST_F(AutorunTerminationTest, AProcessThatEndsDuringTheScanIsPassedOver) {
    fake.processes.platformId = kPlatformNt;
    Process(8, L"E:\\SETUP.EXE");
    Process(9, L"E:\\SETUP.EXE");
    fake.processes.afterEnumeration = [this] { fake.processes.Exit(8, 1); };
    form1->StartAutorunTermination();
    form1->Timer1.Fire();
    EXPECT_EQ(ExitCodeOf(8), 1u);
    EXPECT_EQ(fake.processes.Terminated(), std::vector<std::uint32_t>{9});
}

TEST_F(AutorunTerminationTest, AFailedEnumerationEndsTheScanQuietly) {
    Process(8, L"E:\\SETUP.EXE");
    form1->StartAutorunTermination();
    fake.processes.platformId = kPlatformWin9x;
    fake.processes.snapshotFails = true;
    form1->Timer1.Fire();
    fake.processes.platformId = kPlatformNt;
    fake.processes.enumerationFails = true;
    form1->Timer1.Fire();
    EXPECT_TRUE(Running(8));
    EXPECT_TRUE(form1->Timer1.Enabled());
}

// The window scans every few milliseconds for a minute: each process's path is read once,
// yet nothing the cache holds may let the disc's program through.
TEST_F(AutorunTerminationTest, EachProcessPathIsReadOnceUnlessItsIdComesBackAsANewProcess) {
    fake.processes.platformId = kPlatformNt;
    Process(5, L"C:\\TOOLS\\EDITOR.EXE");
    form1->StartAutorunTermination();
    for (int tick = 0; tick < 3; ++tick) form1->Timer1.Fire();
    EXPECT_EQ(fake.processes.moduleListings, 2) << "explorer and the editor, once each";

    fake.processes.Exit(5);
    Process(5, L"E:\\SETUP.EXE");  // the same id, reused by the disc's program
    form1->Timer1.Fire();
    EXPECT_FALSE(Running(5));
    EXPECT_EQ(ExitCodeOf(5), 0u);
}

TEST_F(AutorunTerminationTest, AProgramWhosePathCouldNotBeReadYetIsReadAgain) {
    fake.processes.platformId = kPlatformNt;
    FakeProcesses::Process& starting = Process(9, L"E:\\SETUP.EXE");
    starting.modulesReadable = false;  // created, its modules not yet loaded
    starting.imageNameReadable = false;
    form1->StartAutorunTermination();
    form1->Timer1.Fire();
    ASSERT_TRUE(Running(9));
    starting.imageNameReadable = true;
    form1->Timer1.Fire();
    EXPECT_FALSE(Running(9));
}

TEST_P(ProcessScanTest, TheDiscProgramDiesWithExitCodeZeroAtEveryTickItRuns) {
    Process(8, L"E:\\SETUP.EXE");
    form1->StartAutorunTermination();
    form1->Timer1.Fire();
    EXPECT_FALSE(Running(8));
    EXPECT_EQ(ExitCodeOf(8), 0u);
    EXPECT_TRUE(Running(4));
    EXPECT_TRUE(form1->Timer1.Enabled()) << "a kill does not end the window";

    Process(12, L"E:\\SETUP.EXE");
    form1->Timer1.Fire();
    EXPECT_EQ(fake.processes.Terminated(), (std::vector<std::uint32_t>{8, 12}));
    int terminateOpens = 0;
    for (const FakeProcesses::Open& open : fake.processes.opens) {
        EXPECT_FALSE(open.inherit) << "no child of ours may inherit a handle to another process";
        if (open.access == kProcessTerminate) ++terminateOpens;
    }
    EXPECT_EQ(terminateOpens, 2) << "opened for termination with that right alone";
}

TEST_P(ProcessScanTest, ASameNamedProgramOnAnotherDriveNeitherDiesNorShieldsTheDisc) {
    Process(6, L"C:\\TOOLS\\SETUP.EXE");
    Process(8, L"E:\\SETUP.EXE");
    form1->StartAutorunTermination();
    form1->Timer1.Fire();
    EXPECT_TRUE(Running(6));
    EXPECT_FALSE(Running(8));
}

TEST_P(ProcessScanTest, OneScanEndsOnlyTheFirstMatch) {
    Process(8, L"E:\\SETUP.EXE");
    Process(9, L"E:\\AGAIN\\SETUP.EXE");
    form1->StartAutorunTermination();
    form1->Timer1.Fire();
    EXPECT_EQ(fake.processes.Terminated(), std::vector<std::uint32_t>{8});
    form1->Timer1.Fire();
    EXPECT_EQ(fake.processes.Terminated(), (std::vector<std::uint32_t>{8, 9}));
}

TEST_P(ProcessScanTest, TheNameMayStandAnywhereInThePathInAnyLetterCase) {
    NewAutorunInf("open=bin\\Run.exe");
    Process(8, L"e:\\BIN\\RUN.EXE");
    Process(9, L"E:\\INSTALL\\MYSETUP.EXE");
    form1->StartAutorunTermination();
    form1->Timer1.Fire();
    EXPECT_FALSE(Running(8));

    NewAutorunInf("open=Setup.Exe");
    form1->StartAutorunTermination();
    form1->Timer1.Fire();
    EXPECT_FALSE(Running(9)) << "SETUP.EXE is part of MYSETUP.EXE";
}

TEST_P(ProcessScanTest, AQuotedNameFindsItsProgram) {
    NewAutorunInf("[autorun]\r\nopen=\"Setup.exe\"\r\n");
    Process(8, L"E:\\Setup.exe");
    form1->StartAutorunTermination();
    form1->Timer1.Fire();
    EXPECT_FALSE(Running(8));
}

TEST_P(ProcessScanTest, WithoutANameNothingMatches) {
    fake.files.InsertDisc(L'E', L"MOVIE");
    Process(8, L"E:\\SETUP.EXE");
    form1->StartAutorunTermination();
    ASSERT_EQ(form1->m_sAutorunProgram, L"");
    form1->Timer1.Fire();
    EXPECT_TRUE(Running(8));
    EXPECT_TRUE(fake.processes.Terminated().empty());
}

TEST_P(ProcessScanTest, ARefusedKillIsTriedAgainAtTheNextTick) {
    FakeProcesses::Process& locked = Process(8, L"E:\\SETUP.EXE");
    locked.terminable = false;
    form1->StartAutorunTermination();
    form1->Timer1.Fire();
    EXPECT_TRUE(Running(8));
    EXPECT_EQ(fake.processes.OpenHandles(), 0);

    locked.terminable = true;
    locked.terminateFails = true;
    form1->Timer1.Fire();
    EXPECT_TRUE(Running(8));
    EXPECT_EQ(fake.processes.OpenHandles(), 0);

    locked.terminateFails = false;
    form1->Timer1.Fire();
    EXPECT_FALSE(Running(8));
}

INSTANTIATE_TEST_SUITE_P(Enumerations, ProcessScanTest, ::testing::Values(kPlatformWin9x, kPlatformNt),
                         [](const ::testing::TestParamInfo<std::uint32_t>& info) {
                             return info.param == kPlatformWin9x ? std::string("Toolhelp")
                                                                 : std::string("ProcessIds");
                         });
