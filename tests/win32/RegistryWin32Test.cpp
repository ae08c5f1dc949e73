#include <windows.h>

#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "platform/win32/Win32RegistryApi.h"

namespace {

class RealRegistryFixture : public ::testing::Test {
protected:
    RegistryApi& Api() { return registry; }
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TrayhushContract"); }
    Win32RegistryApi registry;
};

using Implementations = ::testing::Types<RealRegistryFixture>;

TEST(Win32Registry, PredefinedRootsAreSignExtendedAndZeroHandlesFailQuietly) {
    Win32RegistryApi registry;
    Handle key = 0;
    ASSERT_EQ(registry.RegOpenKeyW(kHkeyLocalMachine, L"Software", &key), ERROR_SUCCESS);
    EXPECT_NE(key, 0u);
    EXPECT_EQ(registry.RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_NE(registry.RegOpenKeyW(kHkeyLocalMachine, L"Software\\TrayhushNoSuchKey", &key), ERROR_SUCCESS);
    EXPECT_EQ(key, 0u) << "a failed open leaves a handle of 0";
    std::uint32_t type = 0, size = 0;
    EXPECT_NE(registry.RegQueryValueExW(0, L"x", &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_NE(registry.RegCloseKey(0), ERROR_SUCCESS);
}

}  // namespace

namespace registry_contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Real, RegistryContract, Implementations);
}
