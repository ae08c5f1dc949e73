// One copy at a time, and an exit that leaves nothing behind: no Shift key held down and
// no icon in the notification area, whether the user closes the program or the session
// ends.
#include "e2e/TrayhushScenario.h"
#include "e2e/support/ShiftKey.h"
#include "harness/TrayhushWindows.h"

namespace trayhush::e2e {
namespace {

constexpr DWORD kExitTimeoutMs = 10000;
constexpr DWORD kAnswerTimeoutMs = 10000;

class Lifecycle : public TrayhushScenario {
protected:
    // Shift held for a disc, and the icon's identity known, so that the exit has
    // something to clean up and the test can see that it did.
    void StartHoldingShift() {
        UseBlockMethodTwo();
        ASSERT_NO_FATAL_FAILURE(StartTrayhush());
        std::wstring error;
        ASSERT_TRUE(trayhush_->TrayIconId(&iconId_, &error)) << Narrow(error);
        trayhush_->UnloadProbe();
        ASSERT_TRUE(TrayIconPresent(trayhush_->TrayWindow(), iconId_))
            << "the notification area holds no icon for Trayhush's tray window";
        ASSERT_NO_FATAL_FAILURE(InsertDisc());
        ASSERT_TRUE(WaitUntil(ShiftIsDown, kAnswerTimeoutMs)) << "Shift never went down for the disc";
    }

    // Once the message is answered the process may be gone at any moment (the session
    // ends it after WM_ENDSESSION): all cleaning up has to be done by then.
    void ExpectCleanOnceAnswered(const char* message) {
        EXPECT_FALSE(ShiftIsDown()) << "Shift was still down when " << message << " was answered";
        EXPECT_FALSE(TrayIconPresent(trayhush_->TrayWindow(), iconId_))
            << "the tray icon was still there when " << message << " was answered";
    }

    void ExpectEndedCleanly() {
        DWORD exitCode = 99;
        ASSERT_TRUE(trayhush_->Process().WaitForExit(kExitTimeoutMs, &exitCode))
            << "Trayhush.exe was still running " << kExitTimeoutMs / 1000 << " s later";
        EXPECT_EQ(exitCode, 0u);
        EXPECT_FALSE(ShiftIsDown()) << "Shift was left down";
        EXPECT_FALSE(TrayIconPresent(trayhush_->TrayWindow(), iconId_)) << "the tray icon was left behind";
    }

    UINT iconId_ = 0;
};

TEST_F(Lifecycle, ASecondCopyEndsAtOnceAndTheFirstKeepsWorking) {
    ASSERT_NO_FATAL_FAILURE(StartTrayhush());
    std::wstring error;
    const StartedProcess second = group_.Start(trayhushExe_, L"", L"", &error);
    ASSERT_TRUE(second) << Narrow(error);
    DWORD exitCode = 99;
    ASSERT_TRUE(second.WaitForExit(kExitTimeoutMs, &exitCode))
        << "the second copy was still running " << kExitTimeoutMs / 1000 << " s later";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(trayhush_->Process().Running()) << "the first copy ended too";

    ASSERT_NO_FATAL_FAILURE(InsertDisc());
    const StartedProcess autorun = StartAutorunProgram();
    ASSERT_TRUE(autorun);
    ExpectKilled(autorun);
}

TEST_F(Lifecycle, ClosingTheWindowLetsGoOfShiftAndRemovesTheIcon) {
    ASSERT_NO_FATAL_FAILURE(StartHoldingShift());
    ASSERT_TRUE(SendMessageTimeoutW(trayhush_->MainWindow(), WM_CLOSE, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs,
                                    nullptr));
    ExpectCleanOnceAnswered("WM_CLOSE");
    ExpectEndedCleanly();
}

TEST_F(Lifecycle, TheEndOfTheSessionLetsGoOfShiftAndRemovesTheIconBeforeItsAnswer) {
    ASSERT_NO_FATAL_FAILURE(StartHoldingShift());
    const HWND window = trayhush_->MainWindow();
    DWORD_PTR agrees = 0;
    ASSERT_TRUE(SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                    kAnswerTimeoutMs, &agrees));
    EXPECT_EQ(agrees, static_cast<DWORD_PTR>(TRUE)) << "Trayhush must not hold up the end of the session";
    ASSERT_TRUE(SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, kAnswerTimeoutMs,
                                    nullptr));
    ExpectCleanOnceAnswered("WM_ENDSESSION");
    ExpectEndedCleanly();
}

// Another program may refuse the end of the session: the program then goes on exactly as
// before, window, icon and the Shift it holds for the disc included.
TEST_F(Lifecycle, ACancelledEndOfTheSessionLeavesTheProgramAsItWas) {
    ASSERT_NO_FATAL_FAILURE(StartHoldingShift());
    const HWND window = trayhush_->MainWindow();
    ASSERT_TRUE(SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                    kAnswerTimeoutMs, nullptr));
    ASSERT_TRUE(SendMessageTimeoutW(window, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF, SMTO_NORMAL, kAnswerTimeoutMs,
                                    nullptr));
    // The exit routine would have done all of this before its answer.
    EXPECT_TRUE(IsWindow(window)) << "the main window was destroyed";
    EXPECT_TRUE(TrayIconPresent(trayhush_->TrayWindow(), iconId_)) << "the tray icon was removed";
    EXPECT_TRUE(ShiftIsDown()) << "the Shift held for the disc was let go";
}

}  // namespace
}  // namespace trayhush::e2e
