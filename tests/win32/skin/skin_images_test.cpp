// The state pictures of a dialog: the art set of the DPI, the nearest other scale, the
// normal picture for a missing state, generated graphite for missing or damaged files.
#include <gtest/gtest.h>

#include <string>

#include "SkinColours_win.h"
#include "SkinImages_win.h"
#include "SkinTestWindows_win.h"

namespace orvix {
namespace {

constexpr COLORREF kNormal = RGB(40, 60, 90);
constexpr COLORREF kHover = RGB(60, 110, 160);
constexpr COLORREF kPressed = RGB(10, 140, 60);

}  // namespace

TEST(SkinImages, FourStatesAtTheLayoutSize) {
  SkinImages images = SkinImages::Load(TestArtFolder(), "solid", DpiScale(96), 200, 100);
  EXPECT_EQ(images.width(), 200);
  EXPECT_EQ(images.height(), 100);
  EXPECT_EQ(images.Image(SkinState::kNormal).PixelAt(5, 5), kNormal);
  EXPECT_EQ(images.Image(SkinState::kHover).PixelAt(5, 5), kHover);
  EXPECT_EQ(images.Image(SkinState::kPressed).PixelAt(199, 99), kPressed);
  for (SkinState state : kSkinStates) EXPECT_EQ(images.SourcePercent(state), 100);
  std::shared_ptr<const SkinBitmap> cut = images.Cut(SkinState::kHover, {190, 90, 230, 110});
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->width(), 40);
  EXPECT_EQ(cut->PixelAt(0, 0), kHover);
  EXPECT_NE(cut->PixelAt(39, 19), kHover);  // beyond the picture: no pixels of it
}

TEST(SkinImages, TheArtSetOfTheDpiAndTheNearestOneWhenItIsMissing) {
  SkinImages at144 = SkinImages::Load(TestArtFolder(), "twoscales", DpiScale(144), 200, 100);
  EXPECT_EQ(at144.SourcePercent(SkinState::kNormal), 150);
  EXPECT_EQ(at144.width(), 300);
  EXPECT_EQ(at144.Image(SkinState::kNormal).PixelAt(10, 10), kHover);  // the 150 % file's colour
  SkinImages at96 = SkinImages::Load(TestArtFolder(), "twoscales", DpiScale(96), 200, 100);
  EXPECT_EQ(at96.SourcePercent(SkinState::kNormal), 100);
  // At 192 DPI there is no 200 % art: the 150 % set is nearer than the 100 % one.
  SkinImages at192 = SkinImages::Load(TestArtFolder(), "twoscales", DpiScale(192), 200, 100);
  EXPECT_EQ(at192.SourcePercent(SkinState::kNormal), 150);
  EXPECT_EQ(at192.width(), 400);
  EXPECT_EQ(at192.Image(SkinState::kNormal).PixelAt(399, 199), kHover);
  // Only 200 % art, shown at 96 DPI: shrunk to the layout's size.
  SkinImages shrunk = SkinImages::Load(TestArtFolder(), "only200", DpiScale(96), 200, 100);
  EXPECT_EQ(shrunk.SourcePercent(SkinState::kNormal), 200);
  EXPECT_EQ(shrunk.width(), 200);
  EXPECT_EQ(shrunk.Image(SkinState::kNormal).PixelAt(100, 50), kPressed);
}

TEST(SkinImages, AMissingStateShowsTheNormalPicture) {
  SkinImages images = SkinImages::Load(TestArtFolder(), "onlynormal", DpiScale(96), 200, 100);
  EXPECT_EQ(images.SourcePercent(SkinState::kNormal), 100);
  EXPECT_EQ(images.SourcePercent(SkinState::kHover), 0);
  EXPECT_EQ(images.Image(SkinState::kDisabled).PixelAt(50, 50), kNormal);
}

TEST(SkinImages, MissingAndDamagedFilesGiveGraphiteNeverACrash) {
  const std::string folder = ScratchFolder("damaged");
  WriteFile(folder + "Skin\\broken_normal@100.png", "\x89PNG\r\n\x1a\n garbage that is no picture at all");
  WriteFile(folder + "Skin\\broken_hover@100.png", "");
  std::string cut(4096, '\0');
  for (std::size_t i = 0; i < cut.size(); ++i) cut[i] = static_cast<char>(i * 7);
  WriteFile(folder + "Skin\\broken_pressed@100.png", cut);
  SkinImages images = SkinImages::Load(folder, "broken", DpiScale(96), 160, 90);
  for (SkinState state : kSkinStates) EXPECT_EQ(images.SourcePercent(state), 0);
  EXPECT_EQ(images.width(), 160);
  EXPECT_EQ(images.Image(SkinState::kNormal).PixelAt(80, 45), skin_colours::kStandInNormal);
  EXPECT_EQ(images.Image(SkinState::kPressed).PixelAt(0, 0), skin_colours::kStandInPressed);
  // No folder at all, and a layout size no window has.
  SkinImages nothing = SkinImages::Load("Z:\\does\\not\\exist\\", "main", DpiScale(96), -5, 0);
  EXPECT_EQ(nothing.width(), 1);
  EXPECT_EQ(nothing.Image(SkinState::kHover).PixelAt(0, 0), skin_colours::kStandInHover);
}

TEST(SkinImages, SinglePicturesKeepTransparencyAndScale) {
  std::optional<SkinBitmap> flag = LoadSkinPicture(TestArtFolder(), "flag_test", DpiScale(96));
  ASSERT_TRUE(flag);
  EXPECT_EQ(flag->width(), 32);
  EXPECT_EQ(flag->height(), 17);
  EXPECT_TRUE(flag->hasAlpha());
  std::optional<SkinBitmap> large = LoadSkinPicture(TestArtFolder(), "flag_test", DpiScale(192));
  ASSERT_TRUE(large);
  EXPECT_EQ(large->width(), 64);
  // 150 % is missing: the 200 % file is the nearest, shrunk to 48 pixels.
  std::optional<SkinBitmap> medium = LoadSkinPicture(TestArtFolder(), "flag_test", DpiScale(144));
  ASSERT_TRUE(medium);
  EXPECT_EQ(medium->width(), 48);
  EXPECT_FALSE(LoadSkinPicture(TestArtFolder(), "no_such_flag", DpiScale(96)));
  const std::string folder = ScratchFolder("picture");
  WriteFile(folder + "Skin\\badge@100.png", "GIF89a but not really");
  EXPECT_FALSE(LoadSkinPicture(folder, "badge", DpiScale(96)));
}

}  // namespace orvix
