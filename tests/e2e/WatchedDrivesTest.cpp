// Which arrivals Trayhush acts on: blocking switched off, and a drive list that does or
// does not hold the disc's drive.
#include "e2e/TrayhushScenario.h"

namespace trayhush::e2e {
namespace {

using WatchedDrives = TrayhushScenario;

TEST_F(WatchedDrives, WithBlockingDisabledTheProgramRuns) {
    StoreSetting(L"Disabled", 1);
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    const StartedProcess autorun = StartAutorunProgram();
    ASSERT_TRUE(autorun);
    ExpectLeftAlone(autorun);
}

TEST_F(WatchedDrives, ASelectedDriveIsWatchedWhenNotAllDrivesAre) {
    StoreSetting(L"AllDrives", 0);
    StoreSetting(L"Drivelist", Root().substr(0, 1));
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    const StartedProcess autorun = StartAutorunProgram();
    ASSERT_TRUE(autorun);
    ExpectKilled(autorun);
}

TEST_F(WatchedDrives, NoSelectedDriveMeansNoDriveIsWatched) {
    StoreSetting(L"AllDrives", 0);
    StoreSetting(L"Drivelist", std::wstring(L":"));
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    const StartedProcess autorun = StartAutorunProgram();
    ASSERT_TRUE(autorun);
    ExpectLeftAlone(autorun);
}

TEST_F(WatchedDrives, ADiscInAnotherThanTheSelectedDriveRuns) {
    StoreSetting(L"AllDrives", 0);
    StoreSetting(L"Drivelist", std::wstring(1, ProbeLetter()));
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    const StartedProcess autorun = StartAutorunProgram();
    ASSERT_TRUE(autorun);
    ExpectLeftAlone(autorun);
}

}  // namespace
}  // namespace trayhush::e2e
