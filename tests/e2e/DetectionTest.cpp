// A DVD-Video disc with an autorun program arrives, and the program it names dies as it
// starts, whichever way Trayhush learns of the disc.
#include "e2e/TrayhushScenario.h"

namespace trayhush::e2e {
namespace {

using Detection = TrayhushScenario;

TEST_F(Detection, WithDefaultSettingsTheShellsAnnouncementLeadsToTheKill) {
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    const StartedProcess autorun = StartAutorunProgram();
    ASSERT_TRUE(autorun);
    ExpectKilled(autorun);
}

TEST_F(Detection, MethodTwoSeesTheNewVolumeLabelAndKills) {
    UseDetectionMethodTwo();
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    const StartedProcess autorun = StartAutorunProgram();
    ASSERT_TRUE(autorun);
    ExpectKilled(autorun);
}

TEST_F(Detection, AProgramStartedAgainFromTheDiscDiesAgain) {
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    for (int attempt = 1; attempt <= 2; ++attempt) {
        SCOPED_TRACE(attempt == 1 ? "first start" : "second start");
        const StartedProcess autorun = StartAutorunProgram();
        ASSERT_TRUE(autorun);
        ExpectKilled(autorun);
    }
}

}  // namespace
}  // namespace trayhush::e2e
