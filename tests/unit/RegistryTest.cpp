#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "fakes/FakeRegistry.h"

namespace {

TEST(FakeRegistry, KeepsTheRegistrysRules) {
    for (const auto check : {registry_contract::ReadsGiveTheValueOnlyInItsOwnTypeAndSize,
                             registry_contract::WritesCreateThePathReplaceAnyTypeAndReadBack}) {
        FakeRegistry registry;
        check(registry);
        EXPECT_EQ(registry.OpenHandles(), 0) << "a key was left open";
    }
}

}  // namespace
