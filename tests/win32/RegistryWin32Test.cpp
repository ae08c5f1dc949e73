#include <windows.h>

#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "platform/win32/Win32RegistryApi.h"

namespace {

TEST(RegistryWin32, KeepsTheRegistrysRules) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TrayhushContract");
    Win32RegistryApi registry;
    registry_contract::KeepsTheRegistrysRules(registry);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TrayhushContract");
}

}  // namespace
