#include <gtest/gtest.h>

#include <set>

#include "KeyNames.h"
#include "KeyTable.h"
#include "KeyTableCases.h"
#include "TestLayouts.h"

namespace orvix {
namespace {

using testing::GermanLayout;
using testing::UsLayout;

TEST(KeyTable, HasOneRowPerUsageAndScanCodesOnlyInTheTypingArea) {
  std::set<int> usages;
  for (const KeyTableRow& row : KeyTable()) {
    EXPECT_TRUE(usages.insert(row.usage).second) << row.usage;
    EXPECT_EQ(row.scanCode != 0, IsLayoutUsage(row.usage)) << row.usage;
  }
  EXPECT_EQ(usages.count(50), 0u);
  EXPECT_EQ(usages.count(100), 0u);
}

TEST(KeyTable, UsLayout) { testing::ExpectUsLayoutCases(UsLayout()); }

TEST(KeyTable, GermanLayoutKeepsThePhysicalKey) {
  const GermanLayout german;
  EXPECT_EQ(UsageToVirtualKey(28, german), 0x5A);  // the key right of T is Z
  EXPECT_EQ(KeyNameFromUsage(28, german), "Z");
  EXPECT_EQ(UsageToVirtualKey(29, german), 0x59);
  EXPECT_EQ(VirtualKeyToUsage(0x5A, german), 28);
  EXPECT_EQ(VirtualKeyToUsage(0x59, german), 29);
  EXPECT_EQ(UsageToVirtualKey(47, german), 0xBA);  // the key right of P
  EXPECT_EQ(VirtualKeyToUsage(0xBA, german), 47);
  EXPECT_EQ(VirtualKeyToUsage(0xDC, german), 53);  // the key left of 1
  EXPECT_EQ(KeyNameFromUsage(47, german), "\xdc");  // upper-case u umlaut
  EXPECT_EQ(KeyNameFromUsage(53, german), "^");      // a dead key is named by its accent
}

TEST(KeyTable, KeysOutsideTheTypingAreaIgnoreTheLayout) {
  const GermanLayout german;
  EXPECT_EQ(UsageToVirtualKey(70, german), 0x2C);
  EXPECT_EQ(UsageToVirtualKey(225, german), 0xA0);
  EXPECT_EQ(UsageToVirtualKey(243, german), 0xF3);
  EXPECT_EQ(VirtualKeyToUsage(0xA0, german), 225);
  EXPECT_EQ(VirtualKeyToUsage(0x2C, german), 70);
}

TEST(KeyTable, CodesWithoutARowAreNotFound) {
  const UsLayout us;
  EXPECT_EQ(UsageToVirtualKey(50, us), std::nullopt);
  EXPECT_EQ(UsageToVirtualKey(100, us), std::nullopt);
  EXPECT_EQ(UsageToVirtualKey(0, us), std::nullopt);
  EXPECT_EQ(UsageToVirtualKey(-1, us), std::nullopt);
  EXPECT_EQ(VirtualKeyToUsage(0x10, us), std::nullopt);  // plain Shift
  EXPECT_EQ(KeyNameFromUsage(100, us), "Europe 2");
  EXPECT_TRUE(KeyNameFromUsage(50, us).empty());
  EXPECT_TRUE(KeyNameFromUsage(255, us).empty());
}

TEST(KeyTable, AVirtualKeyTheLayoutLacksKeepsItsOwnRow) {
  // Scan code 0 from the layout must not be taken for Print Screen, the first row with
  // scan code 0.
  const UsLayout us;
  class NoKeys : public KeyboardLayout {
    int VirtualKeyFromScanCode(int) const override { return 0; }
    int ScanCodeFromVirtualKey(int) const override { return 0; }
    char CharacterOfKey(int) const override { return 0; }
  } none;
  EXPECT_EQ(VirtualKeyToUsage(0x41, none), 4);
  EXPECT_EQ(UsageToVirtualKey(4, none), 0);  // found, but the layout gives no key
  EXPECT_TRUE(KeyNameFromUsage(4, none).empty());
  EXPECT_TRUE(KeyNameFromVirtualKey(0xE2, us).empty());  // no name, no character
}

TEST(KeyNames, ListedNamesWinOverCharacters) {
  const UsLayout us;
  EXPECT_EQ(KeyNameFromUsage(243, us), "Side Button 1");
  EXPECT_EQ(KeyNameFromUsage(40, us), "Enter");  // the layout's character would be a CR
  EXPECT_EQ(KeyNameFromVirtualKey(0x5C, us), "Right Windows Button");  // the longest name
}

}  // namespace
}  // namespace orvix
