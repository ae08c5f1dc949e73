// A program that dies of a crash while it holds Shift for a disc lets go of the key first;
// a Shift that it does not hold stays as it is.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>

#include "ChildProcess.h"

namespace {

constexpr DWORD kEndedByEarlierFilter = 41;
constexpr DWORD kEndedByEarlierTerminateHandler = 42;
constexpr DWORD kTimeoutMs = 10000;

// 1 when another program sees Shift down, 0 when up.
DWORD ShiftAsAnotherProgramSeesIt() {
    ChildProcess probe(L"\"" + HelperProgram(L"th_shift_state.exe") + L"\"");
    DWORD exitCode = 99;
    if (!probe.WaitForExit(kTimeoutMs, &exitCode)) return 98;
    return exitCode;
}

class UniqueEvent {
public:
    explicit UniqueEvent(const std::wstring& name) : event_(CreateEventW(nullptr, TRUE, FALSE, name.c_str())) {}
    ~UniqueEvent() {
        if (event_) CloseHandle(event_);
    }
    UniqueEvent(const UniqueEvent&) = delete;
    UniqueEvent& operator=(const UniqueEvent&) = delete;
    HANDLE Get() const { return event_; }

private:
    HANDLE event_;
};

struct Crash {
    const wchar_t* kind;
    DWORD exitCode;  // of what ran before the guard: proof that the guard handed the crash on
};

void PrintTo(const Crash& crash, std::ostream* out) {
    for (const wchar_t* c = crash.kind; *c; ++c) *out << static_cast<char>(*c);
}

// Runs the helper to its crash. Shift is to be down before the crash, whoever holds it.
// Returns the helper's exit code.
DWORD CrashTheHelper(const Crash& crash, const wchar_t* shift) {
    static unsigned run = 0;
    const std::wstring events =
        L"th-crash-guard-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++run);
    const UniqueEvent ready(events + L".ready");
    const UniqueEvent go(events + L".go");
    ChildProcess helper(L"\"" + HelperProgram(L"th_crash_holding_shift.exe") + L"\" " + crash.kind + L" " +
                        shift + L" " + events);
    EXPECT_TRUE(helper.Started());
    EXPECT_EQ(WaitForSingleObject(ready.Get(), kTimeoutMs), WAIT_OBJECT_0) << "the helper never got ready";
    EXPECT_EQ(ShiftAsAnotherProgramSeesIt(), 1u) << "Shift was not down before the crash";
    SetEvent(go.Get());
    DWORD exitCode = 99;
    EXPECT_TRUE(helper.WaitForExit(kTimeoutMs, &exitCode)) << "the helper outlived its crash";
    return exitCode;
}

// Wine drops the key state with its desktop a while after the last window of the session
// goes; a window of the test's own keeps it, so that a released Shift is the guard's doing.
class CrashGuardWin32 : public ::testing::TestWithParam<Crash> {
protected:
    void SetUp() override {
        desktopKeeper_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
    }
    void TearDown() override {
        keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
        if (desktopKeeper_) DestroyWindow(desktopKeeper_);
    }

    HWND desktopKeeper_ = nullptr;
};

TEST_P(CrashGuardWin32, TheProgramsHeldShiftIsUpWhenItHasDied) {
    ASSERT_EQ(ShiftAsAnotherProgramSeesIt(), 0u) << "Shift is down before the test";
    EXPECT_EQ(CrashTheHelper(GetParam(), L"hold"), GetParam().exitCode);
    EXPECT_EQ(ShiftAsAnotherProgramSeesIt(), 0u) << "Shift outlived the program that held it";
}

TEST_P(CrashGuardWin32, AShiftThatAnotherProgramHoldsStaysDown) {
    keybd_event(VK_SHIFT, 0, 0, 0);
    EXPECT_EQ(CrashTheHelper(GetParam(), L"leave"), GetParam().exitCode);
    EXPECT_EQ(ShiftAsAnotherProgramSeesIt(), 1u) << "the dying program let go of a Shift it did not hold";
}

INSTANTIATE_TEST_SUITE_P(Crashes, CrashGuardWin32,
                         ::testing::Values(Crash{L"access-violation", kEndedByEarlierFilter},
                                           Crash{L"terminate", kEndedByEarlierTerminateHandler}),
                         [](const ::testing::TestParamInfo<Crash>& info) {
                             return std::wstring(info.param.kind) == L"terminate" ? "StdTerminate"
                                                                                  : "AccessViolation";
                         });

}  // namespace
