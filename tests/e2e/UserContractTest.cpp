// The user's contract, against the real Trayhush.exe under Wine: a DVD-Video disc with an
// autorun program arrives, Trayhush learns of it by either detection method and blocks it
// by either method, starts the user's DVD player, runs once, and leaves nothing behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "harness/RegistryState.h"
#include "harness/ShiftKey.h"
#include "harness/TempFolder.h"
#include "harness/TrayhushMachine.h"
#include "harness/TrayhushWindows.h"
#include "harness/WinePaths.h"

namespace trayhush::e2e {
namespace {

// Bounds for what must happen: generous, since Wine under load can be slow.
constexpr DWORD kBoundMs = 10000;

std::string Narrow(const std::wstring& text) { return testsupport::toUtf8(text); }

std::string Contents(const std::wstring& path) {
    std::stringstream text;
    text << std::ifstream(path.c_str()).rdbuf();
    return text.str();
}

class UserContract : public ::testing::Test {
protected:
    void SetUp() override {
        ReleaseShift();
        machine = std::make_unique<TrayhushMachine>();
    }
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
            ASSERT_TRUE(machine->Trayhush().AnnounceMediaInserted(machine->DiscLetter(), &error)) << Narrow(error);
        }
        ASSERT_TRUE(machine->Trayhush().WaitForReportedRoot(machine->DiscRoot(), kBoundMs))
            << "the disc was not reported; Trayhush shows \"" << Narrow(machine->Trayhush().ReportedRoot()) << "\"";
    }

    // Block method two: Shift held for the disc, and the icon known, so that an exit has
    // something to clean up and the test can see that it did.
    void StartHoldingShift() {
        machine->StartTrayhush(true, true);
        ASSERT_NO_FATAL_FAILURE(InsertDisc(true));
        ASSERT_TRUE(WaitUntil(ShiftIsDown, kBoundMs)) << "another program never saw Shift down";
        std::wstring error;
        ASSERT_TRUE(machine->Trayhush().TrayIconId(&iconId, &error)) << Narrow(error);
        machine->Trayhush().UnloadProbe();
        ASSERT_TRUE(IconPresent()) << "the notification area holds no icon of Trayhush";
    }
    bool IconPresent() { return TrayIconPresent(machine->Trayhush().TrayWindow(), iconId); }

    // Sent as the system sends it; the answer comes once the program has handled it.
    DWORD_PTR Send(UINT message, WPARAM wParam) {
        DWORD_PTR answer = 0;
        EXPECT_TRUE(SendMessageTimeoutW(machine->Trayhush().MainWindow(), message, wParam, ENDSESSION_LOGOFF,
                                        SMTO_NORMAL, kBoundMs, &answer));
        return answer;
    }
    // Once the message is answered the process may be gone at any moment (the session ends
    // it after WM_ENDSESSION): all cleaning up has to be done by then.
    void ExpectCleanExit() {
        EXPECT_FALSE(ShiftIsDown()) << "Shift was left down";
        EXPECT_FALSE(IconPresent()) << "the tray icon was left behind";
        DWORD exitCode = 99;
        ASSERT_TRUE(machine->Trayhush().Process().WaitForExit(kBoundMs, &exitCode)) << "Trayhush.exe still runs";
        EXPECT_EQ(exitCode, 0u);
    }

    std::unique_ptr<TrayhushMachine> machine;
    UINT iconId = 0;
};

TEST_F(UserContract, MethodOneEndsTheDiscProgramAndStartsTheDvdPlayerMinimised) {
    const TempFolder folder(L"th-e2e-player-");
    const std::wstring marker = folder.Path() + L"\\player-started.txt";
    const std::wstring player = NeededArtifact(L"TH_SHOW_STATE", L"th_show_state.exe");
    machine->StartTrayhush(false);
    ASSERT_TRUE(RegisterDefaultDvdCommand(L"play", L"\"" + player + L"\" \"" + marker + L"\""));
    ASSERT_NO_FATAL_FAILURE(InsertDisc(false));

    std::wstring error;
    const StartedProcess program =
        machine->Group().Start(machine->DiscRoot() + L"SETUP.EXE", L"", machine->DiscRoot(), &error);
    ASSERT_TRUE(program) << Narrow(error);
    DWORD exitCode = 99;
    ASSERT_TRUE(program.WaitForExit(kBoundMs, &exitCode)) << "Trayhush did not end the disc's program";
    EXPECT_EQ(exitCode, 0u) << "not ended by Trayhush (the stand-in ends by itself with 7)";
    EXPECT_TRUE(WaitUntil([&] { return !Contents(marker).empty(); }, kBoundMs)) << "the DVD player was not started";
    EXPECT_EQ(Contents(marker), "2 1") << "show state and STARTF_USESHOWWINDOW: minimised";
}

TEST_F(UserContract, MethodTwoHoldsShiftAndClosingLetsGoAndTakesTheIcon) {
    ASSERT_NO_FATAL_FAILURE(StartHoldingShift());
    Send(WM_CLOSE, 0);
    ExpectCleanExit();
}

// Another program may refuse the end of the session: Trayhush then goes on as before.
TEST_F(UserContract, TheSessionsEndIsAgreedToAndLeavesNothingBehind) {
    ASSERT_NO_FATAL_FAILURE(StartHoldingShift());
    EXPECT_EQ(Send(WM_QUERYENDSESSION, 0), static_cast<DWORD_PTR>(TRUE)) << "Trayhush must not hold up the end";
    Send(WM_ENDSESSION, FALSE);
    EXPECT_TRUE(ShiftIsDown()) << "a cancelled end let go of the Shift held for the disc";
    EXPECT_TRUE(IconPresent()) << "a cancelled end took the icon";
    Send(WM_ENDSESSION, TRUE);
    ExpectCleanExit();
}

TEST_F(UserContract, ASecondCopyEndsAtOnceAndTheFirstRunsOn) {
    machine->StartTrayhush(false);
    std::wstring error;
    const StartedProcess second = machine->Group().Start(machine->trayhushExe(), L"", L"", &error);
    ASSERT_TRUE(second) << Narrow(error);
    DWORD exitCode = 99;
    ASSERT_TRUE(second.WaitForExit(kBoundMs, &exitCode)) << "the second copy still runs";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(machine->Trayhush().Process().Running()) << "the first copy ended too";
}

}  // namespace
}  // namespace trayhush::e2e
