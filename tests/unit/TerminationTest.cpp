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
    void SetUp() override {
        Load();
        form1->ReportArrival(L"E:\\");
        ASSERT_TRUE(TerminationRunning());
    }
    void TickAt(std::uint32_t now) {
        fake.processes.tickCount = now;
        form1->Timer1.Fire();
    }
};

// Every start of the disc's program dies; a second report of the disc restarts the count,
// and a report of another drive leaves the window guarding its own disc.
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
    EXPECT_EQ(fake.processes.terminated, (std::vector<std::uint32_t>{10, 11, 12}));
    EXPECT_EQ(fake.processes.terminatedWhileInspected, fake.processes.terminated);
    EXPECT_EQ(fake.processes.OpenHandles(), 0);
    TickAt(110001);
    EXPECT_FALSE(TerminationRunning());
}

// Listing every process is dear under Wine: a tick lists again only when the table or the
// target changed or the last listing killed or left a process unread, and always without a
// fingerprint. A start that an exit hides from the fingerprint still dies within 100 ticks.
TEST_F(TerminationTest, ATickListsOnlyWhenTheLastListingMayNotStand) {
    FakeProcesses& processes = fake.processes;
    FakeProcesses::Process& editor = processes.Add(10, L"C:\\X.EXE");
    const struct { const char* step; std::function<void()> change; int listings; } steps[] = {
        {"not dated yet", [&] { editor.creationTime = 0; }, 1}, {"dated now", [&] { editor.creationTime = 99; }, 1},
        {"nothing changed", [] {}, 0}, {"another disc", [&] { form1->m_termination.m_sTerminateDrive = L"F:\\"; }, 1},
        {"listed still starting", [&] { editor.listedTime = 98, processes.Add(13, L"C:\\Z.EXE"); }, 1}, {"listed", [&] { editor.listedTime = 0; }, 1},
        {"another program", [&] { form1->m_termination.m_sAutorunProgram = L"x.exe"; }, 1}, {"same", [] {}, 0},
        {"no fingerprint", [&] { processes.fingerprinted = false; }, 1}, {"still none", [] {}, 1},
        {"a fingerprint again", [&] { processes.fingerprinted = true; }, 1},
    };
    for (const auto& step : steps) {
        step.change();
        const int before = processes.listings;
        form1->Timer1.Fire();
        EXPECT_EQ(processes.listings - before, step.listings) << step.step;
    }
    FakeProcesses::Process& other = processes.Add(11, L"C:\\Y.EXE");
    form1->Timer1.Fire();
    other.running = false;
    processes.Add(12, L"F:\\X.EXE");  // as long a name as the one gone
    for (int tick = 0; tick < 100 && processes.terminated.empty(); ++tick) form1->Timer1.Fire();
    EXPECT_EQ(processes.terminated, std::vector<std::uint32_t>{12});
}

}  // namespace
