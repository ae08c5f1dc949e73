// Only a DVD-Video disc that also carries an autorun file is handled.
#include "e2e/TrayhushScenario.h"

namespace trayhush::e2e {
namespace {

using DiscContent = TrayhushScenario;

TEST_F(DiscContent, ADiscWithoutVideoTsIsNotAVideoDiscAndItsProgramRuns) {
    DiscContents noVideo;
    noVideo.videoTs = false;
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc(noVideo));
    const StartedProcess autorun = StartAutorunProgram();
    ASSERT_TRUE(autorun);
    ExpectLeftAlone(autorun);
}

TEST_F(DiscContent, AVideoDiscWithoutAutorunInfIsLeftAlone) {
    DiscContents noAutorun;
    noAutorun.autorunInf = false;
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc(noAutorun));
    const StartedProcess program = StartAutorunProgram();
    ASSERT_TRUE(program);
    ExpectLeftAlone(program);
}

}  // namespace
}  // namespace trayhush::e2e
