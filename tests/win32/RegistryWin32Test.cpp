#include <windows.h>

#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "platform/win32/Win32RegistryApi.h"

namespace {

TEST(RegistryWin32, KeepsTheRegistrysRules) {
    for (const auto check : {registry_contract::ReadsGiveTheValueOnlyInItsOwnTypeAndSize,
                             registry_contract::WritesCreateThePathReplaceAnyTypeAndReadBack}) {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TrayhushContract");
        Win32RegistryApi registry;
        check(registry);
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TrayhushContract");
}

}  // namespace
