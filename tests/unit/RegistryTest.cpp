#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "fakes/FakeRegistry.h"

namespace {

class FakeRegistryFixture : public ::testing::Test {
protected:
    RegistryApi& Api() { return registry; }
    void TearDown() override { EXPECT_EQ(registry.OpenHandles(), 0) << "a key was left open"; }
    FakeRegistry registry;
};

using Implementations = ::testing::Types<FakeRegistryFixture>;

}  // namespace

namespace registry_contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, RegistryContract, Implementations);
}
