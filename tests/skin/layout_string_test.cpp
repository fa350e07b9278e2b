#include <gtest/gtest.h>

#include <string>

#include "LayoutString.h"

namespace orvix {

TEST(LayoutString, PlacementAndToolTip) {
  auto ok = ParseLayoutString("BUTTON_OK,14,310,60,26,");
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->name, "BUTTON_OK");
  EXPECT_EQ(ok->Rect(), (PixelRect{14, 310, 74, 336}));
  EXPECT_EQ(ok->Width(), 60);
  EXPECT_EQ(ok->Height(), 26);
  EXPECT_EQ(ok->toolTip, "");

  auto color = ParseLayoutString("Color,446,79,129,37,Color Setting");
  ASSERT_TRUE(color);
  EXPECT_EQ(color->toolTip, "Color Setting");
  EXPECT_EQ(color->right, 575);
}

TEST(LayoutString, BlanksBeforeNumbersAndAroundTheToolTip) {
  auto slot = ParseLayoutString("Profile 1 name,31,  514,101,21,  Profile assigned to profile slot #1 \t");
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->name, "Profile 1 name");
  EXPECT_EQ(slot->Rect(), (PixelRect{31, 514, 132, 535}));
  EXPECT_EQ(slot->toolTip, "Profile assigned to profile slot #1");
  // Names keep their inner blanks; a tool-tip of blanks only is empty.
  auto blank = ParseLayoutString("windows profile,139, 514,22,22,   ");
  ASSERT_TRUE(blank);
  EXPECT_EQ(blank->name, "windows profile");
  EXPECT_EQ(blank->toolTip, "");
}

TEST(LayoutString, ToolTipIsWhatFollowsTheLastComma) {
  auto p = ParseLayoutString("X,1,2,3,4,first part, second part");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->toolTip, "second part");
}

TEST(LayoutString, LongNamesAndToolTipsAreCut) {
  std::string name(60, 'N');
  std::string tip(500, 't');
  auto p = ParseLayoutString(name + ",0,0,1,1," + tip);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->name.size(), 39u);
  EXPECT_EQ(p->toolTip.size(), 403u);
}

TEST(LayoutString, PositionsMayBeNegativeSizesMayNot) {
  auto p = ParseLayoutString("Off,-5,-7,10,10,");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Rect(), (PixelRect{-5, -7, 5, 3}));
  EXPECT_FALSE(ParseLayoutString("W,0,0,-10,10,"));
  EXPECT_FALSE(ParseLayoutString("H,0,0,10,-1,"));
}

TEST(LayoutString, BadStringsGiveNothing) {
  for (const char* bad : {"", "no comma at all", "Name,", "Name,1,2,3,", "Name,1,2,3,4", "Name,1,2,x,4,",
                          "Name,1,2,3 ,4,", "Name,1,,3,4,", "Name,1,2,3,4x,", "Name,+1,2,3,4,", "Name,-,2,3,4,",
                          "Name,1,2,3,99999999999999999999,", "Name,1,2,3,32768,", "Name,1.5,2,3,4,"}) {
    EXPECT_FALSE(ParseLayoutString(bad)) << bad;
  }
  // The largest coordinates still add up without overflow.
  auto big = ParseLayoutString("Big,32767,32767,32767,32767,");
  ASSERT_TRUE(big);
  EXPECT_EQ(big->right, 65534);
}

}  // namespace orvix
