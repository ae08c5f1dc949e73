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

}  // namespace
