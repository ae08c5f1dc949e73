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

}  // namespace

namespace registry_contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Real, RegistryContract, Implementations);
}
