// A program that dies of a crash while it holds Shift for a disc lets go of the key first,
// then hands the crash on to whatever was in place before it; a Shift that it does not
// hold stays as it is. The guard's handlers are called here as the system and the C++
// runtime would call them.
#include <gtest/gtest.h>
#include <windows.h>

#include <exception>

#include "harness/ShiftKey.h"
#include "platform/win32/Win32KeyboardApi.h"
#include "runtime/CrashGuard.h"

namespace {

int g_handedOn = 0;
LONG WINAPI EarlierFilter(EXCEPTION_POINTERS*) { return ++g_handedOn, EXCEPTION_CONTINUE_SEARCH; }
// Back to the test, instead of the abort that would follow.
void EarlierTerminateHandler() { throw ++g_handedOn; }

TEST(CrashGuardWin32, ACrashLetsGoOnlyOfTheShiftThisProgramHeldAndIsHandedOn) {
    const LPTOP_LEVEL_EXCEPTION_FILTER outerFilter = SetUnhandledExceptionFilter(EarlierFilter);
    const std::terminate_handler outerTerminate = std::set_terminate(EarlierTerminateHandler);
    const struct { bool held, terminate; } crashes[] = {{true, false}, {true, true}, {false, false}, {false, true}};
    for (const auto& [held, terminate] : crashes) {
        const CrashGuard guard;
        held ? Win32KeyboardApi().keybd_event(kVkShift, 0, 0, 0) : keybd_event(VK_SHIFT, 0, 0, 0);
        g_handedOn = 0;
        const LPTOP_LEVEL_EXCEPTION_FILTER guardFilter = SetUnhandledExceptionFilter(nullptr);
        SetUnhandledExceptionFilter(guardFilter);
        EXCEPTION_POINTERS crash{};
        try {
            if (terminate) std::get_terminate()();
            else EXPECT_EQ(guardFilter(&crash), EXCEPTION_CONTINUE_SEARCH);
        } catch (int) {
        }
        EXPECT_EQ(g_handedOn, 1) << held << terminate;
        EXPECT_EQ(trayhush::e2e::ShiftIsDown(), !held) << held << terminate;
        trayhush::e2e::ReleaseShift();
    }
    SetUnhandledExceptionFilter(outerFilter);
    std::set_terminate(outerTerminate);
}

}  // namespace
