#include <gtest/gtest.h>

#include "actions/PointerAcceleration.h"

namespace orvix {

TEST(PointerAcceleration, AccelerationOffZeroesLeftoverRegistryValues) {
  const AccelerationToApply chosen = ChooseAcceleration(0, {1, 6, 0});
  EXPECT_TRUE(chosen.zeroRegistryAndProfile);
  EXPECT_EQ(chosen.values.speed, 0);
  EXPECT_EQ(chosen.values.threshold1, 0);
}

TEST(PointerAcceleration, RegistryValuesApplyWhenOnOrAlreadyZero) {
  const AccelerationToApply on = ChooseAcceleration(1, {2, 4, 5});
  EXPECT_FALSE(on.zeroRegistryAndProfile);
  EXPECT_EQ(on.values.speed, 2);
  EXPECT_EQ(on.values.threshold1, 4);
  EXPECT_EQ(on.values.threshold2, 5);
  EXPECT_FALSE(ChooseAcceleration(0, {0, 0, 0}).zeroRegistryAndProfile);
  EXPECT_TRUE(ChooseAcceleration(-1, {0, 0, 3}).zeroRegistryAndProfile);  // anything but 1 is off
}

}  // namespace orvix
