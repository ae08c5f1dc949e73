#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "fakes/FakeRegistry.h"

namespace {

TEST(FakeRegistry, KeepsTheRegistrysRules) {
    FakeRegistry registry;
    registry_contract::KeepsTheRegistrysRules(registry);
    EXPECT_EQ(registry.OpenHandles(), 0) << "a key was left open";
}

}  // namespace
