// A program that dies of a crash while it holds Shift for a disc lets go of the key first;
// a Shift that it does not hold stays as it is.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "harness/ProcessGroup.h"
#include "harness/ShiftKey.h"
#include "harness/TrayhushMachine.h"

namespace {

struct Crash {
    const wchar_t* kind;
    const wchar_t* shift;  // "hold": the helper holds it; "leave": this test does
    DWORD exitCode;        // of what ran before the guard: proof that the guard handed the crash on
    bool shiftAfter;
};

class CrashGuardWin32 : public ::testing::TestWithParam<Crash> {};

TEST_P(CrashGuardWin32, ShiftIsUpAfterTheCrashOnlyIfTheDeadProgramHeldIt) {
    const Crash& crash = GetParam();
    if (std::wstring(crash.shift) == L"leave") keybd_event(VK_SHIFT, 0, 0, 0);
    trayhush::e2e::ProcessGroup group;
    const auto helper = group.Start(trayhush::e2e::NeededArtifact(L"TH_CRASH", L"th_crash_holding_shift.exe"),
                                    std::wstring(crash.kind) + L" " + crash.shift, L"", nullptr);
    DWORD exitCode = 0;
    EXPECT_TRUE(helper.WaitForExit(10000, &exitCode)) << "the helper outlived its crash";
    EXPECT_EQ(exitCode, crash.exitCode);
    EXPECT_EQ(trayhush::e2e::ShiftIsDown(), crash.shiftAfter);
    trayhush::e2e::ReleaseShift();
}

INSTANTIATE_TEST_SUITE_P(Crashes, CrashGuardWin32,
                         ::testing::Values(Crash{L"access-violation", L"hold", 41, false},
                                           Crash{L"terminate", L"hold", 42, false},
                                           Crash{L"access-violation", L"leave", 41, true},
                                           Crash{L"terminate", L"leave", 42, true}));

}  // namespace
