// Key-table cases every US layout must pass: the test layout natively, the real active
// layout under Wine.
#pragma once

#include <gtest/gtest.h>

#include "KeyNames.h"
#include "KeyTable.h"

namespace orvix::testing {

inline void ExpectUsLayoutCases(const KeyboardLayout& us) {
  EXPECT_EQ(UsageToVirtualKey(28, us), 0x59);  // Y
  EXPECT_EQ(UsageToVirtualKey(29, us), 0x5A);  // Z
  EXPECT_EQ(UsageToVirtualKey(4, us), 0x41);
  EXPECT_EQ(UsageToVirtualKey(39, us), 0x30);
  EXPECT_EQ(UsageToVirtualKey(41, us), 0x1B);  // Esc through its scan code
  EXPECT_EQ(UsageToVirtualKey(45, us), 0xBD);
  EXPECT_EQ(UsageToVirtualKey(68, us), 0x7A);  // F11, scan code 0x57

  EXPECT_EQ(VirtualKeyToUsage(0x59, us), 28);
  EXPECT_EQ(VirtualKeyToUsage(0x5A, us), 29);
  EXPECT_EQ(VirtualKeyToUsage(0x31, us), 30);
  EXPECT_EQ(VirtualKeyToUsage(0xBF, us), 56);

  EXPECT_EQ(KeyNameFromUsage(28, us), "Y");
  EXPECT_EQ(KeyNameFromUsage(4, us), "A");
  EXPECT_EQ(KeyNameFromUsage(30, us), "1");
  EXPECT_EQ(KeyNameFromUsage(54, us), ",");
  EXPECT_EQ(KeyNameFromUsage(41, us), "Esc");
  EXPECT_EQ(KeyNameFromUsage(44, us), "Space");
  EXPECT_EQ(KeyNameFromUsage(57, us), "Caps Lock");
  EXPECT_EQ(KeyNameFromVirtualKey(0xBB, us), "=");
}

}  // namespace orvix::testing
