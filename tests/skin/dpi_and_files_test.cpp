#include <gtest/gtest.h>

#include <vector>

#include "DpiScale.h"
#include "ItemHitTest.h"
#include "SkinFiles.h"

namespace orvix {

TEST(DpiScale, ScalesLikeMulDivFrom96) {
  DpiScale base;
  EXPECT_EQ(base.Scale(137), 137);
  DpiScale large(144);
  EXPECT_EQ(large.Scale(15), 23);  // 22.5 rounds up
  EXPECT_EQ(large.Scale(-15), -23);
  DpiScale medium(120);
  EXPECT_EQ(medium.Scale(14), 18);  // 17.5
  EXPECT_EQ(medium.Scale(13), 16);  // 16.25
  // Edges scale one by one, so touching controls keep touching (x and w scaled apart
  // would give 1 + 1 for the first control's right edge and 3 for the second's left).
  auto first = ParseLayoutString("A,1,0,1,1,");
  auto second = ParseLayoutString("B,2,0,1,1,");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(medium.Scale(*first).right, medium.Scale(*second).left);
  EXPECT_EQ(medium.Scale(*ParseLayoutString("Main,7,79,121,37,")), (PixelRect{9, 99, 160, 145}));
  // No overflow at the ends of int, and an impossible DPI counts as 96.
  EXPECT_EQ(DpiScale(192).Scale(2147483647), 2147483647);
  EXPECT_EQ(DpiScale(0).dpi(), 96);
  EXPECT_EQ(DpiScale(-120).Scale(10), 10);
}

TEST(DpiScale, ArtSetIsTheNearestScale) {
  EXPECT_EQ(DpiScale(72).ArtPercent(), 100);
  EXPECT_EQ(DpiScale(96).ArtPercent(), 100);
  EXPECT_EQ(DpiScale(119).ArtPercent(), 100);
  EXPECT_EQ(DpiScale(120).ArtPercent(), 150);  // 125 % ties: the larger art
  EXPECT_EQ(DpiScale(144).ArtPercent(), 150);
  EXPECT_EQ(DpiScale(168).ArtPercent(), 200);  // 175 % ties
  EXPECT_EQ(DpiScale(167).ArtPercent(), 150);
  EXPECT_EQ(DpiScale(480).ArtPercent(), 200);
  // Art drawn for 150 % shown at 125 %.
  EXPECT_EQ(DpiScale(120).FromArt(1200, 150), 1000);
  EXPECT_EQ(DpiScale(96).FromArt(1600, 200), 800);
}

TEST(SkinFiles, NamesAndScaleOrder) {
  EXPECT_EQ(StateImageFile("C:\\Orvix\\", "main", SkinState::kHover, 150), "C:\\Orvix\\Skin\\main_hover@150.png");
  EXPECT_EQ(StateImageFile("C:\\Orvix\\", "timer", SkinState::kDisabled, 100),
            "C:\\Orvix\\Skin\\timer_disabled@100.png");
  EXPECT_EQ(PictureFile("D:\\", "flag_3_pressed", 200), "D:\\Skin\\flag_3_pressed@200.png");
  EXPECT_EQ(ArtPercentsToTry(100), (std::vector<int>{100, 150, 200}));
  EXPECT_EQ(ArtPercentsToTry(150), (std::vector<int>{150, 200, 100}));
  EXPECT_EQ(ArtPercentsToTry(200), (std::vector<int>{200, 150, 100}));
}

TEST(ItemHitTest, NarrowedItemsLeaveTheirEdgesOut) {
  // The language chooser's first two items: "L1,3,17,93,13," and "L2,3,34,93,13,".
  const PixelRect items[] = {{3, 17, 96, 30}, {3, 34, 96, 47}};
  EXPECT_EQ(HitItem(items, 50, 20, 6), 0);
  EXPECT_EQ(HitItem(items, 9, 40, 6), 1);
  EXPECT_EQ(HitItem(items, 8, 40, 6), -1);
  EXPECT_EQ(HitItem(items, 89, 40, 6), 1);
  EXPECT_EQ(HitItem(items, 90, 40, 6), -1);
  EXPECT_EQ(HitItem(items, 50, 31, 6), -1);  // between the items
  EXPECT_EQ(HitItem(items, 8, 40), 1);
}

}  // namespace orvix
