#include <gtest/gtest.h>
#include <windows.h>

#include "ChildProcess.h"
#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "platform/win32/Win32KeyboardApi.h"

namespace {

// 1 when another program sees Shift down, 0 when up.
DWORD ShiftAsAnotherProgramSeesIt() {
    ChildProcess probe(L"\"" + HelperProgram(L"th_shift_state.exe") + L"\"");
    DWORD exitCode = 99;
    if (!probe.WaitForExit(10000, &exitCode)) return 98;
    return exitCode;
}

// Whatever the test's outcome, no Shift key stays held for the tests that follow.
struct ShiftReleasedAtEnd {
    ~ShiftReleasedAtEnd() { ::keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0); }
};

}  // namespace

TEST(ShiftKeyWin32, HeldForEveryProgramUntilTimer6ReleasesIt) {
    ShiftReleasedAtEnd guard;
    Win32KeyboardApi keyboard;
    FakePlatform fake;
    Platform platform{fake.registry, fake.files, fake.processes, keyboard,
                      fake.shell,    fake.hooks, fake.system,    fake.ui, fake.text};
    Form1 form(platform);
    ASSERT_EQ(form.Check[3].Value(), 1) << "detection method two is where the Shift method applies";
    ASSERT_EQ(ShiftAsAnotherProgramSeesIt(), 0u) << "Shift is down before the test";

    form.HoldShiftKey();
    EXPECT_EQ(ShiftAsAnotherProgramSeesIt(), 1u);
    EXPECT_TRUE(form.Timer6.Enabled());

    form.Timer6.Fire();
    EXPECT_EQ(ShiftAsAnotherProgramSeesIt(), 0u);
    EXPECT_FALSE(form.Timer6.Enabled());
}
