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

TEST_F(TerminationTest, AKillKeepsTheWindowOpenForTheProgramStartedAgain) {
    fake.processes.Add(10, L"E:\\SETUP.EXE");
    TickAt(2000);
    fake.processes.Add(11, L"E:\\SETUP.EXE");
    TickAt(3000);
    EXPECT_EQ(fake.processes.terminated, (std::vector<std::uint32_t>{10, 11}));
    EXPECT_EQ(fake.processes.terminatedWhileInspected, (std::vector<std::uint32_t>{10, 11}));
    EXPECT_EQ(fake.processes.OpenHandles(), 0);
}

TEST_F(TerminationTest, ANewDiscRestartsTheWindowWhichKeepsItsOwnDrive) {
    TickAt(50000);
    form1->ReportArrival(L"E:\\");  // the same disc reported again
    TickAt(100000);
    EXPECT_TRUE(TerminationRunning()) << "counts from the second report";
    form1->ReportArrival(L"D:\\");  // no disc there: the window goes on for E:
    fake.processes.Add(10, L"E:\\SETUP.EXE");
    TickAt(110000);
    EXPECT_EQ(fake.processes.terminated, (std::vector<std::uint32_t>{10}));
    TickAt(110001);
    EXPECT_FALSE(TerminationRunning());
}

}  // namespace
