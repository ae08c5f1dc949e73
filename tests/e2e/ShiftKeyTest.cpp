// Block method two: instead of ending the disc's program, Trayhush holds Shift down so
// that the shell skips AutoRun, and lets go at the next report or after 30 seconds.
#include "e2e/TrayhushScenario.h"
#include "e2e/support/ShiftKey.h"

namespace trayhush::e2e {
namespace {

constexpr DWORD kShiftTimeoutMs = 10000;
// The hold lasts 30 s; this only bounds the wait for its end.
constexpr DWORD kHoldEndTimeoutMs = 45000;

using ShiftKey = TrayhushScenario;

TEST_F(ShiftKey, AnArrivalHoldsShiftLeavesTheProgramAndTheEjectLetsGo) {
    UseBlockMethodTwo();
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_FALSE(ShiftIsDown()) << "Shift was down before the disc arrived";
    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    ASSERT_TRUE(WaitUntil(ShiftIsDown, kShiftTimeoutMs)) << "another program never saw Shift down";

    const StartedProcess autorun = StartAutorunProgram();
    ASSERT_TRUE(autorun);
    ExpectLeftAlone(autorun);
    EXPECT_TRUE(ShiftIsDown()) << "Shift was let go before the next report";

    ASSERT_NO_FATAL_FAILURE(EjectDisc());
    EXPECT_TRUE(WaitUntil([] { return !ShiftIsDown(); }, kShiftTimeoutMs))
        << "Shift stayed down after the eject was reported";
}

TEST_F(ShiftKey, TheHoldEndsByItselfAfterThirtySeconds) {
    UseBlockMethodTwo();
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    ASSERT_TRUE(WaitUntil(ShiftIsDown, kShiftTimeoutMs)) << "another program never saw Shift down";
    EXPECT_TRUE(WaitUntil([] { return !ShiftIsDown(); }, kHoldEndTimeoutMs, 100))
        << "Shift was still down " << kHoldEndTimeoutMs / 1000 << " s after the disc arrived";
}

TEST_F(ShiftKey, MethodTwoBlockingNeedsDetectionMethodTwo) {
    // Block method two stored, detection method one in force: the program is ended.
    StoreSetting(L"BlockMethod", 1);
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    const StartedProcess autorun = StartAutorunProgram();
    ASSERT_TRUE(autorun);
    ExpectKilled(autorun);
    EXPECT_FALSE(ShiftIsDown());
}

}  // namespace
}  // namespace trayhush::e2e
