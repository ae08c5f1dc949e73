#include <gtest/gtest.h>
#include <windows.h>

#include "ChildProcess.h"
#include "app/Form1.h"
#include "fakes/FakePlatform.h"
#include "platform/win32/Win32KeyboardApi.h"

// The Shift key held for a disc, as every other program sees it, until Timer6 lets go.
TEST(ShiftKeyWin32, HeldForEveryProgramUntilTimer6ReleasesIt) {
    Win32KeyboardApi keyboard;
    FakePlatform fake;
    Platform platform{fake.registry, fake.files, fake.processes, keyboard, fake.shell,
                      fake.hooks,    fake.system, fake.ui,        fake.text};
    Form1 form(platform);
    ASSERT_EQ(ShiftAsAnotherProgramSeesIt(), 0u) << "Shift is down before the test";
    form.HoldShiftKey();
    EXPECT_EQ(ShiftAsAnotherProgramSeesIt(), 1u);
    form.Timer6.Fire();
    EXPECT_EQ(ShiftAsAnotherProgramSeesIt(), 0u);
    ::keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);  // whatever happened, for the tests that follow
}
