// Animated pictures: frames and delays from the file, a player that advances them, and a
// window destroyed in the middle of an animation, many times in a row.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "AnimatedPicture_win.h"
#include "SkinTestWindows_win.h"

namespace orvix {
namespace {

AnimatedPictureSetup PictureSetup(HWND parent) {
  AnimatedPictureSetup setup;
  setup.parent = parent;
  setup.placement = *ParseLayoutString("Progress bar,10,10,40,20,");
  return setup;
}

}  // namespace

TEST(AnimatedPicture, PlaysEveryFrameOfAGifInALoop) {
  RecordingParent parent;
  AnimatedPicture picture;
  ASSERT_TRUE(picture.Create(PictureSetup(parent.hwnd()), nullptr));
  ASSERT_TRUE(picture.Open(TestArtFolder() + "Gif\\three_frames.gif"));
  EXPECT_EQ(picture.frameCount(), 3u);
  EXPECT_EQ(picture.delaysMs(), (std::vector<int>{20, 20, 20}));
  EXPECT_TRUE(picture.playing());
  // Each frame shows its own colour: red, green, blue.
  std::vector<COLORREF> seen;
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < 1500 && seen.size() < 6) {
    PumpMessages(5);
    std::optional<SkinBitmap> shown = PrintClient(picture.hwnd());
    ASSERT_TRUE(shown);
    COLORREF colour = shown->PixelAt(20, 10);
    if (seen.empty() || seen.back() != colour) seen.push_back(colour);
  }
  ASSERT_GE(seen.size(), 4u) << "the picture did not change";
  for (COLORREF c : seen) EXPECT_TRUE(c == RGB(200, 0, 0) || c == RGB(0, 200, 0) || c == RGB(0, 0, 200)) << c;
  picture.Stop();
  EXPECT_FALSE(picture.playing());
  std::size_t shown = picture.framesShown();
  PumpMessages(100);
  EXPECT_EQ(picture.framesShown(), shown);  // stopped means stopped
}

TEST(AnimatedPicture, ZeroDelaysPlayAtTheSaneMinimum) {
  RecordingParent parent;
  AnimatedPicture picture;
  ASSERT_TRUE(picture.Create(PictureSetup(parent.hwnd()), nullptr));
  ASSERT_TRUE(picture.Open(TestArtFolder() + "Gif\\zero_delay.gif"));
  EXPECT_EQ(picture.delaysMs(), (std::vector<int>{100, 100}));
  PumpMessages(350);
  // About three frames in 350 ms, never hundreds.
  EXPECT_GE(picture.framesShown(), 2u);
  EXPECT_LE(picture.framesShown(), 5u);
}

TEST(AnimatedPicture, StillPicturesShowWithoutAPlayer) {
  RecordingParent parent;
  AnimatedPicture picture;
  ASSERT_TRUE(picture.Create(PictureSetup(parent.hwnd()), nullptr));
  ASSERT_TRUE(picture.Open(TestArtFolder() + "Gif\\still.jpg"));
  EXPECT_EQ(picture.frameCount(), 1u);
  EXPECT_FALSE(picture.playing());
  std::optional<SkinBitmap> shown = PrintClient(picture.hwnd());
  ASSERT_TRUE(shown);
  COLORREF c = shown->PixelAt(20, 10);  // JPEG colours are near, not exact
  EXPECT_NEAR(GetRValue(c), 250, 8);
  EXPECT_NEAR(GetGValue(c), 200, 8);
  EXPECT_NEAR(GetBValue(c), 0, 8);
}

TEST(AnimatedPicture, MissingAndDamagedFilesShowNothing) {
  const std::string folder = ScratchFolder("gif");
  WriteFile(folder + "cut.gif", "GIF89a\x28\x00\x14\x00\xf7\x00\x00");
  WriteFile(folder + "noise.gif", std::string(3000, '\x5a'));
  RecordingParent parent;
  AnimatedPicture picture;
  ASSERT_TRUE(picture.Create(PictureSetup(parent.hwnd()), nullptr));
  ASSERT_TRUE(picture.Open(TestArtFolder() + "Gif\\three_frames.gif"));
  for (const std::string& file : {folder + "cut.gif", folder + "noise.gif", folder + "missing.gif"}) {
    EXPECT_FALSE(picture.Open(file)) << file;
    EXPECT_EQ(picture.frameCount(), 0u);
    EXPECT_FALSE(picture.playing());
  }
  PumpMessages(50);
}

TEST(AnimatedPicture, DestroyingTheWindowMidAnimationStopsAndJoinsThePlayer) {
  for (int round = 0; round < 40; ++round) {
    auto parent = std::make_unique<RecordingParent>();
    auto picture = std::make_unique<AnimatedPicture>();
    ASSERT_TRUE(picture->Create(PictureSetup(parent->hwnd()), nullptr));
    ASSERT_TRUE(picture->Open(TestArtFolder() + "Gif\\three_frames.gif"));
    PumpMessages(static_cast<DWORD>(round % 4) * 10);
    if (round % 2 == 0) {
      parent.reset();  // the dialog goes first; its child with it
      EXPECT_FALSE(picture->playing()) << round;
      EXPECT_EQ(picture->hwnd(), nullptr);
      picture.reset();
    } else {
      picture.reset();  // the object goes first, while playing
    }
    PumpMessages();
  }
}

}  // namespace orvix
