// Window regions cut from bitmaps: the white outside of a skin is left out, the batches of
// 2000 rectangles add up to one region, and the second form removes the corner's colour.
#include <gtest/gtest.h>

#include "SkinImages_win.h"
#include "SkinTestWindows_win.h"
#include "WindowRegion_win.h"

namespace orvix {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDark = RGB(30, 30, 40);

void FillBox(SkinBitmap& bitmap, int left, int top, int right, int bottom, COLORREF colour) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      std::uint8_t* px = bitmap.bits() + y * bitmap.stride() + x * 4;
      px[0] = GetBValue(colour);
      px[1] = GetGValue(colour);
      px[2] = GetRValue(colour);
    }
}

int RegionKind(HRGN region) {
  RECT box;
  return ::GetRgnBox(region, &box);
}

}  // namespace

TEST(WindowRegion, AWhiteFrameAroundAShapeIsLeftOut) {
  // White all round, a dark body with a white hole in it.
  std::optional<SkinBitmap> bitmap = SkinBitmap::Filled(120, 80, kWhite);
  ASSERT_TRUE(bitmap);
  FillBox(*bitmap, 10, 10, 110, 70, kDark);
  FillBox(*bitmap, 50, 30, 70, 50, kWhite);
  RegionHandle region = RegionFromBitmap(bitmap->handle());
  ASSERT_TRUE(region);
  EXPECT_TRUE(::PtInRegion(region.get(), 10, 10));
  EXPECT_TRUE(::PtInRegion(region.get(), 109, 69));
  EXPECT_TRUE(::PtInRegion(region.get(), 49, 40));
  EXPECT_FALSE(::PtInRegion(region.get(), 9, 40));
  EXPECT_FALSE(::PtInRegion(region.get(), 110, 40));
  EXPECT_FALSE(::PtInRegion(region.get(), 60, 9));
  EXPECT_FALSE(::PtInRegion(region.get(), 60, 40));  // the hole
  RECT box;
  ::GetRgnBox(region.get(), &box);
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.top, 10);
  EXPECT_EQ(box.right, 110);
  EXPECT_EQ(box.bottom, 70);
}

TEST(WindowRegion, AllWhiteIsEmptyNoWhiteIsTheFullRectangle) {
  std::optional<SkinBitmap> white = SkinBitmap::Filled(64, 32, kWhite);
  RegionHandle none = RegionFromBitmap(white->handle());
  ASSERT_TRUE(none);
  EXPECT_EQ(RegionKind(none.get()), NULLREGION);

  std::optional<SkinBitmap> dark = SkinBitmap::Filled(64, 32, kDark);
  RegionHandle full = RegionFromBitmap(dark->handle());
  ASSERT_TRUE(full);
  EXPECT_EQ(RegionKind(full.get()), SIMPLEREGION);
  RegionHandle expected(::CreateRectRgn(0, 0, 64, 32));
  EXPECT_TRUE(::EqualRgn(full.get(), expected.get()));
}

TEST(WindowRegion, ARowOfMoreThan2000RunsStillGivesOneCorrectRegion) {
  // Row 0 alternates dark and white pixels: 2600 runs, more than one batch.
  const int runs = 2600;
  std::optional<SkinBitmap> bitmap = SkinBitmap::Filled(runs * 2, 3, kWhite);
  ASSERT_TRUE(bitmap);
  for (int i = 0; i < runs; ++i) FillBox(*bitmap, i * 2, 0, i * 2 + 1, 1, kDark);
  FillBox(*bitmap, 0, 2, runs * 2, 3, kDark);
  RegionHandle region = RegionFromBitmap(bitmap->handle());
  ASSERT_TRUE(region);
  for (int x : {0, 2, 3998, 4000, 5198}) EXPECT_TRUE(::PtInRegion(region.get(), x, 0)) << x;
  for (int x : {1, 3999, 5199}) EXPECT_FALSE(::PtInRegion(region.get(), x, 0)) << x;
  EXPECT_FALSE(::PtInRegion(region.get(), 100, 1));
  EXPECT_TRUE(::PtInRegion(region.get(), 5199, 2));
  DWORD size = ::GetRegionData(region.get(), 0, nullptr);
  std::vector<std::uint8_t> data(size);
  ASSERT_EQ(::GetRegionData(region.get(), size, reinterpret_cast<RGNDATA*>(data.data())), size);
  EXPECT_EQ(reinterpret_cast<RGNDATA*>(data.data())->rdh.nCount, static_cast<DWORD>(runs + 1));
}

TEST(WindowRegion, BitmapsOfTheDisplayAreReadToo) {
  // A device-dependent bitmap, as a dialog might load from a resource.
  WindowDc screen(nullptr);
  BitmapHandle bitmap(::CreateCompatibleBitmap(screen.get(), 40, 20));
  MemoryDc dc(::CreateCompatibleDC(screen.get()));
  {
    SelectedObject selected(dc.get(), bitmap.get());
    RECT all{0, 0, 40, 20}, left{0, 0, 15, 20};
    BrushHandle white(::CreateSolidBrush(kWhite)), dark(::CreateSolidBrush(kDark));
    ::FillRect(dc.get(), &all, white.get());
    ::FillRect(dc.get(), &left, dark.get());
  }
  RegionHandle region = RegionFromBitmap(bitmap.get());
  ASSERT_TRUE(region);
  RegionHandle expected(::CreateRectRgn(0, 0, 15, 20));
  EXPECT_TRUE(::EqualRgn(region.get(), expected.get()));
  EXPECT_FALSE(RegionFromBitmap(nullptr));
}

TEST(WindowRegion, TheSecondFormRemovesTheCornerColourFromTheFullRectangle) {
  std::optional<SkinBitmap> bitmap = SkinBitmap::Filled(30, 30, RGB(0, 255, 0));
  FillBox(*bitmap, 5, 5, 25, 25, kDark);
  RECT full{0, 0, 40, 30};  // wider than the bitmap: the part beyond it stays
  RegionHandle region = RegionWithoutCornerColour(bitmap->handle(), full);
  ASSERT_TRUE(region);
  EXPECT_FALSE(::PtInRegion(region.get(), 0, 0));
  EXPECT_FALSE(::PtInRegion(region.get(), 29, 29));
  EXPECT_TRUE(::PtInRegion(region.get(), 5, 5));
  EXPECT_TRUE(::PtInRegion(region.get(), 24, 24));
  EXPECT_TRUE(::PtInRegion(region.get(), 35, 10));
}

TEST(WindowRegion, AWindowTakesTheShapeOfItsArt) {
  SkinImages images = SkinImages::Load(TestArtFolder(), "shape", DpiScale(96), 120, 80);
  ASSERT_EQ(images.SourcePercent(SkinState::kNormal), 100);
  RecordingParent window(120, 80);
  ASSERT_TRUE(ApplyWindowRegion(window.hwnd(), RegionFromBitmap(images.Image(SkinState::kNormal).handle())));
  RegionHandle shape(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(window.hwnd(), shape.get()), ERROR);
  EXPECT_TRUE(::PtInRegion(shape.get(), 60, 15));
  EXPECT_FALSE(::PtInRegion(shape.get(), 60, 40));  // the hole of the art
  EXPECT_FALSE(::PtInRegion(shape.get(), 11, 11));  // cut by the rounded corner
  EXPECT_FALSE(::PtInRegion(shape.get(), 3, 3));
}

}  // namespace orvix
