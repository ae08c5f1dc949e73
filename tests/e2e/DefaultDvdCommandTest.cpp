// After a handled arrival Trayhush starts the DVD command the system registers, so that
// the user's own player opens instead of the disc's program.
#include <fstream>
#include <sstream>

#include "e2e/TrayhushScenario.h"
#include "e2e/support/ArtifactPaths.h"
#include "harness/RegistryState.h"
#include "harness/TempFolder.h"

namespace trayhush::e2e {
namespace {

constexpr DWORD kStartTimeoutMs = 10000;

std::string Contents(const std::wstring& path) {
    std::ifstream in(path.c_str());
    std::stringstream text;
    if (in) text << in.rdbuf();
    return text.str();
}

// The registered player is a helper that writes how it was asked to show itself.
class DefaultDvdCommand : public TrayhushScenario {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(TrayhushScenario::SetUp());
        const std::wstring player = ArtifactPath(L"TH_SHOW_STATE", L"th_show_state.exe");
        ASSERT_FALSE(player.empty()) << "th_show_state.exe not found (TH_SHOW_STATE, or beside th_e2e.exe)";
        ASSERT_FALSE(folder_.Path().empty());
        marker_ = folder_.Path() + L"\\player-started.txt";
        ASSERT_TRUE(RegisterDefaultDvdCommand(L"play", L"\"" + player + L"\" \"" + marker_ + L"\""));
    }

    TempFolder folder_{L"th-e2e-player-"};
    std::wstring marker_;
};

TEST_F(DefaultDvdCommand, ByDefaultThePlayerStartsMinimisedAfterTheDiscIsHandled) {
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    ASSERT_TRUE(WaitUntil([&] { return !Contents(marker_).empty(); }, kStartTimeoutMs))
        << "the registered DVD command did not run within " << kStartTimeoutMs / 1000 << " s";
    EXPECT_EQ(Contents(marker_), "2 1") << "show state and STARTF_USESHOWWINDOW: minimised";
}

TEST_F(DefaultDvdCommand, ThePlayerStaysClosedWhenTheOptionIsOff) {
    StoreSetting(L"RunDefaultAutorunProgram", 1);
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    // The kill proves the disc was handled; the player would have been started with it.
    const StartedProcess autorun = StartAutorunProgram();
    ASSERT_TRUE(autorun);
    ExpectKilled(autorun);
    Sleep(kLeftAloneMs);
    EXPECT_EQ(GetFileAttributesW(marker_.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the DVD command ran though \"RunDefaultAutorunProgram\" is 1";
}

TEST_F(DefaultDvdCommand, ADiscWithoutVideoTsStartsNoPlayer) {
    DiscContents noVideo;
    noVideo.videoTs = false;
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc(noVideo));
    Sleep(kLeftAloneMs);
    EXPECT_EQ(GetFileAttributesW(marker_.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the DVD command ran for a disc without VIDEO_TS";
}

// Without AUTORUN.INF there is no program to end either, so only the player shows
// whether the disc was taken for one to handle.
TEST_F(DefaultDvdCommand, ADiscWithoutAutorunInfStartsNoPlayer) {
    DiscContents noAutorun;
    noAutorun.autorunInf = false;
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    ASSERT_NO_FATAL_FAILURE(InsertDisc(noAutorun));
    Sleep(kLeftAloneMs);
    EXPECT_EQ(GetFileAttributesW(marker_.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the DVD command ran for a disc without AUTORUN.INF";
}

}  // namespace
}  // namespace trayhush::e2e
