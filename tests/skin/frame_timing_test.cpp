#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "FrameTiming.h"

namespace orvix {

TEST(FrameTiming, ShortDelaysPlayAt100Milliseconds) {
  EXPECT_EQ(FrameDelayMs(0), 100);
  EXPECT_EQ(FrameDelayMs(1), 100);   // 10 ms
  EXPECT_EQ(FrameDelayMs(2), 20);    // 20 ms is kept
  EXPECT_EQ(FrameDelayMs(7), 70);
  EXPECT_EQ(FrameDelayMs(-5), 100);  // a hostile negative delay
  EXPECT_EQ(FrameDelayMs(65535), 655350);
  EXPECT_EQ(FrameDelayMs(std::int64_t{1} << 40), 655350);
}

TEST(FrameTiming, MissingDelaysCountAsZero) {
  const std::int32_t file[] = {5, 0};
  EXPECT_EQ(FrameDelaysMs(file, 4), (std::vector<int>{50, 100, 100, 100}));
  EXPECT_EQ(FrameDelaysMs({}, 2), (std::vector<int>{100, 100}));
  EXPECT_EQ(FrameDelaysMs(file, 1), (std::vector<int>{50}));
}

TEST(FrameTiming, FramesLoop) {
  EXPECT_EQ(NextFrame(0, 3), 1u);
  EXPECT_EQ(NextFrame(2, 3), 0u);
  EXPECT_EQ(NextFrame(0, 1), 0u);
  EXPECT_EQ(NextFrame(5, 0), 0u);
}

}  // namespace orvix
