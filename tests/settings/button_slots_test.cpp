#include <gtest/gtest.h>

#include "ButtonAssignment.h"
#include "ButtonSlots.h"

namespace orvix {

TEST(ButtonSlots, DeviceIndexAndSlotMapBothWays) {
  int known = 0;
  for (int slot = 0; slot < kButtonSlots; ++slot) {
    if (!SlotHasDeviceButton(slot)) continue;
    ++known;
    EXPECT_EQ(SlotFromDeviceIndex(DeviceIndexFromSlot(slot)), slot);
  }
  EXPECT_EQ(known, kDeviceButtons);
  EXPECT_EQ(SlotFromDeviceIndex(9), 12);
  EXPECT_EQ(SlotFromDeviceIndex(17), 22);
}

TEST(ButtonSlots, OutOfRangeValuesMapToTheFirstEntry) {
  EXPECT_FALSE(SlotHasDeviceButton(11));
  EXPECT_EQ(DeviceIndexFromSlot(11), 0);
  EXPECT_EQ(DeviceIndexFromSlot(23), 0);
  EXPECT_EQ(DeviceIndexFromSlot(-1), 0);
  EXPECT_EQ(SlotFromDeviceIndex(18), 0);
  EXPECT_EQ(SlotFromDeviceIndex(-1), 0);
}

}  // namespace orvix
