#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/Win32SystemApi.h"

namespace {

TEST(Win32System, TheInstanceClaimHoldsForItsOwnerAndRefusesAnyOther) {
    Win32SystemApi first;
    ASSERT_TRUE(first.ClaimSingleInstance());
    EXPECT_TRUE(first.ClaimSingleInstance()) << "claiming again must not count as a second instance";
    {
        Win32SystemApi second;
        EXPECT_FALSE(second.ClaimSingleInstance());
    }
    EXPECT_TRUE(first.ClaimSingleInstance());
}

TEST(Win32System, TheClaimEndsWithItsOwner) {
    { Win32SystemApi gone; ASSERT_TRUE(gone.ClaimSingleInstance()); }
    Win32SystemApi next;
    EXPECT_TRUE(next.ClaimSingleInstance());
}

TEST(Win32System, ExecutableFolderIsTheFolderOfThisProgramWithoutItsBackslash) {
    Win32SystemApi system;
    wchar_t path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring self(path, n);
    const std::wstring folder = system.ExecutableFolder();
    EXPECT_EQ(folder, self.substr(0, self.find_last_of(L'\\')));
    EXPECT_NE(folder.back(), L'\\');
}

}  // namespace
