// A program that dies of a crash while it holds Shift for a disc lets go of the key first;
// a Shift that it does not hold stays as it is.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ChildProcess.h"

namespace {

struct Crash {
    const wchar_t* kind;
    const wchar_t* shift;  // "hold": the helper holds it; "leave": this test does
    DWORD exitCode;        // of what ran before the guard: proof that the guard handed the crash on
    DWORD shiftAfter;
};

// Wine drops the key state with its desktop a while after the last window of the session
// goes; a window of the test's own keeps it, so that a released Shift is the guard's doing.
class CrashGuardWin32 : public ::testing::TestWithParam<Crash> {
protected:
    void SetUp() override {
        keeper_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
        DestroyWindow(keeper_);
    }
    HWND keeper_ = nullptr;
};

TEST_P(CrashGuardWin32, ShiftIsUpAfterTheCrashOnlyIfTheDeadProgramHeldIt) {
    const Crash& crash = GetParam();
    if (std::wstring(crash.shift) == L"leave") keybd_event(VK_SHIFT, 0, 0, 0);
    const std::wstring events = L"th-crash-guard-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, (events + L".ready").c_str());
    const HANDLE go = CreateEventW(nullptr, TRUE, FALSE, (events + L".go").c_str());
    ChildProcess helper(L"\"" + HelperProgram(L"th_crash_holding_shift.exe") + L"\" " + crash.kind + L" " +
                        crash.shift + L" " + events);
    ASSERT_TRUE(helper.Started());
    EXPECT_EQ(WaitForSingleObject(ready, 10000), WAIT_OBJECT_0) << "the helper never got ready";
    EXPECT_EQ(ShiftAsAnotherProgramSeesIt(), 1u) << "Shift was not down before the crash";
    SetEvent(go);
    DWORD exitCode = 0;
    EXPECT_TRUE(helper.WaitForExit(10000, &exitCode)) << "the helper outlived its crash";
    EXPECT_EQ(exitCode, crash.exitCode);
    EXPECT_EQ(ShiftAsAnotherProgramSeesIt(), crash.shiftAfter);
    CloseHandle(ready);
    CloseHandle(go);
}

INSTANTIATE_TEST_SUITE_P(Crashes, CrashGuardWin32,
                         ::testing::Values(Crash{L"access-violation", L"hold", 41, 0},
                                           Crash{L"terminate", L"hold", 42, 0},
                                           Crash{L"access-violation", L"leave", 41, 1},
                                           Crash{L"terminate", L"leave", 42, 1}));

}  // namespace
