#include <gtest/gtest.h>

#include "script/PetIds.h"
#include "support/SimHarness.h"

namespace nuv::test {
namespace {

TEST(SimStart, PetStandsOnTheGroundAndAnimates) {
    SimHarness sim;
    ASSERT_TRUE(sim.Start());
    Rect window = sim.Window();
    EXPECT_EQ(window.left, 1024 / 4 - 10);
    EXPECT_EQ(window.bottom, 738 + 30);
    EXPECT_EQ(window.Width(), 20);
    int before = sim.desktop->ShapeChanges();
    sim.RunFor(1000);
    EXPECT_GT(sim.desktop->ShapeChanges(), before + 5);
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kFirst);
}

}  // namespace
}  // namespace nuv::test
