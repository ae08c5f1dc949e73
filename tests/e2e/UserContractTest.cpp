// The user's contract, against the real Trayhush.exe under Wine: a DVD-Video disc with an
// autorun program arrives in a CD-ROM drive, and Trayhush learns of it by either detection
// method and blocks it by either method.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "harness/ShiftKey.h"
#include "harness/TrayhushMachine.h"
#include "harness/WinePaths.h"

namespace trayhush::e2e {
namespace {

// Bounds for what must happen: generous, since Wine under load can be slow.
constexpr DWORD kBoundMs = 10000;

class UserContract : public ::testing::Test {
protected:
    void TearDown() override {
        machine.reset();
        ReleaseShift();
    }

    // The disc goes in, and Trayhush learns of it as the shell (method one) or its own
    // polling (method two) tells it.
    void InsertDisc(bool methodTwo) {
        machine->InsertDisc();
        std::wstring error;
        if (!methodTwo) {
            ASSERT_TRUE(machine->Trayhush().AnnounceMediaInserted(machine->DiscLetter(), &error)) << testsupport::toUtf8(error);
        }
        ASSERT_TRUE(machine->Trayhush().WaitForReportedRoot(machine->DiscRoot(), kBoundMs))
            << "the disc was not reported; Trayhush shows " << testsupport::toUtf8(machine->Trayhush().ReportedRoot());
    }

    std::unique_ptr<TrayhushMachine> machine = std::make_unique<TrayhushMachine>();
};

TEST_F(UserContract, MethodOneEndsTheDiscsProgramAsItStarts) {
    machine->StartTrayhush(false);
    ASSERT_NO_FATAL_FAILURE(InsertDisc(false));
    std::wstring error;
    const StartedProcess program =
        machine->Group().Start(machine->DiscRoot() + L"SETUP.EXE", L"", machine->DiscRoot(), &error);
    ASSERT_TRUE(program) << testsupport::toUtf8(error);
    DWORD exitCode = 99;
    ASSERT_TRUE(program.WaitForExit(kBoundMs, &exitCode)) << "Trayhush did not end the disc's program";
    EXPECT_EQ(exitCode, 0u) << "not ended by Trayhush (the stand-in ends by itself with 7)";
}

// Block method two: the disc, found by polling its CD-ROM drive, makes Trayhush hold Shift
// down for every program of the session.
TEST_F(UserContract, MethodTwoHoldsShiftForEveryProgram) {
    machine->StartTrayhush(true, true);
    ASSERT_NO_FATAL_FAILURE(InsertDisc(true));
    EXPECT_TRUE(WaitUntil(ShiftIsDown, kBoundMs)) << "another program never saw Shift down";
}

}  // namespace
}  // namespace trayhush::e2e
