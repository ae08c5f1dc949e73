#include <functional>

#include "Form1Fixture.h"
#include "suppress/TerminationWindow.h"

namespace {

TEST(TerminationWindow, EndsOnlyWhenMoreThanAMinuteHasPassedModulo2To32) {
    const struct { std::uint32_t start, now; bool over; } rows[] = {
        {1000, 1000, false}, {1000, 61000, false}, {1000, 61001, true},
        {0xFFFFFF00u, 0xFFFFFF00u + 60000u, false}, {0xFFFFFF00u, 0xFFFFFF00u + 60001u, true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TerminationWindowOver(row.start, row.now), row.over) << row.start << " " << row.now;
}

class TerminationTest : public Form1Fixture {
protected:
    void SetUp() override { Start(); }
    void Start() {
        Restart();
        Load();
        form1->ReportArrival(L"E:\\");
        ASSERT_TRUE(TerminationRunning());
    }
    void TickAt(std::uint32_t now) {
        fake.processes.tickCount = now;
        form1->Timer1.Fire();
    }
    // Ticks come 10 ms apart, as the window timers' minimum gives them.
    void Tick() { TickAt(fake.processes.tickCount + 10); }
};

// Every start of the disc's program dies; a second report of the disc restarts the count,
// and a report of another drive leaves the window guarding its own disc. Once the window
// is over, a new disc opens a window of its own.
TEST_F(TerminationTest, TheWindowKillsEachStartUntilAMinuteAfterTheLastReport) {
    fake.processes.Add(10, L"E:\\SETUP.EXE");
    TickAt(2000);
    fake.processes.Add(11, L"E:\\SETUP.EXE");
    TickAt(50000);
    form1->ReportArrival(L"E:\\");
    form1->ReportArrival(L"D:\\");  // no disc there
    fake.processes.Add(12, L"E:\\SETUP.EXE");
    TickAt(110000);
    EXPECT_TRUE(TerminationRunning());
    TickAt(110001);
    EXPECT_FALSE(TerminationRunning());
    fake.files.InsertDvdVideo(L'D', "open=PLAY.EXE");
    form1->ReportArrival(L"D:\\");
    fake.processes.Add(13, L"D:\\PLAY.EXE");
    Tick();
    EXPECT_EQ(fake.processes.terminated, (std::vector<std::uint32_t>{10, 11, 12, 13}));
    EXPECT_EQ(fake.processes.terminatedWhileInspected, fake.processes.terminated);
    EXPECT_EQ(fake.processes.OpenHandles(), 0);
}

// However a program is started from the disc, it dies at the next tick, or at the one
// after when the system could not yet tell of it. A start hidden from the table's count by
// the exit of a program of the same name length dies within a second (100 ticks).
TEST_F(TerminationTest, AProgramStartedFromTheDiscDiesWithinATickOrTwo) {
    FakeProcesses::Process* words = nullptr;  // runs from the start, a name as long as SETUP's
    FakeProcesses::Process* started = nullptr;
    const auto setup = [&](std::uint32_t id) { started = &fake.processes.Add(id, L"E:\\SETUP.EXE"); };
    const struct { const char* story; std::function<void(int tick)> step; int ticks; std::vector<std::uint32_t> killed; } rows[] = {
        {"plainly", [&](int t) { if (t == 0) setup(20); }, 1, {20}},
        {"listed before its creation time was filled in", [&](int t) { if (t == 0) setup(20), started->listedTime = 1; }, 1, {20}},
        {"while a listing fails", [&](int t) { if (t == 0) setup(20); fake.processes.listable = t > 0; }, 2, {20}},
        {"before its path can be read",
         [&](int t) { if (t == 0) setup(20); started->modulesReadable = started->imageReadable = t > 0; }, 2, {20}},
        {"while the table cannot be counted", [&](int t) { if (t == 0) setup(20); fake.processes.fingerprinted = false; }, 1, {20}},
        {"again, before the tick after its kill", [&](int t) { if (t < 2) setup(20 + t); }, 2, {20, 21}},
        {"as a program of the same name length exits", [&](int t) { if (t == 0) setup(20), words->running = false; }, 100, {20}},
        {"under the id of that program", [&](int t) { if (t == 0) words->running = false, setup(10); }, 100, {10}},
        {"from a disc of the same program reported in another drive", [&](int t) {
             if (t == 0) fake.processes.Add(20, L"D:\\SETUP.EXE");
             if (t == 1) fake.files.InsertDvdVideo(L'D', "open=SETUP.EXE"), form1->ReportArrival(L"D:\\");
         }, 2, {20}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.story);
        fake.processes = FakeProcesses();
        fake.files.EjectDisc(L'D');
        words = &fake.processes.Add(10, L"C:\\WORDS.EXE");
        Start();
        for (int tick = 0; tick < 3; ++tick) Tick();  // the window has listed the table
        for (int tick = 0; tick < row.ticks && fake.processes.terminated.size() < row.killed.size(); ++tick) {
            row.step(tick);
            Tick();
        }
        EXPECT_EQ(fake.processes.terminated, row.killed);
    }
}

// Listing every process is dear under Wine: while the table stays the same, the window
// lists it about once a second, not at every tick.
TEST_F(TerminationTest, AnIdleWindowListsTheProcessesAboutOnceASecond) {
    const int before = fake.processes.listings;
    for (int tick = 0; tick < 600; ++tick) Tick();
    EXPECT_LE(fake.processes.listings - before, 7);
}

}  // namespace
