#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "RegionRuns.h"

namespace orvix {
namespace {

// A picture filled with one colour, with `padding` bytes of garbage after every row.
struct Picture {
  Picture(int w, int h, int padding = 0, std::uint8_t r = 255, std::uint8_t g = 255, std::uint8_t b = 255)
      : width(w), height(h), stride(w * 4 + padding), bytes(static_cast<std::size_t>(stride) * h, 0x5A) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) Set(x, y, r, g, b);
  }
  void Set(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::uint8_t* px = &bytes[static_cast<std::size_t>(y) * stride + x * 4];
    px[0] = b;
    px[1] = g;
    px[2] = r;
    px[3] = 0xEE;  // the unused byte never matters
  }
  PixelView View() const { return {bytes.data(), width, height, stride}; }

  int width, height, stride;
  std::vector<std::uint8_t> bytes;
};

std::vector<PixelRect> All(const std::vector<std::vector<PixelRect>>& batches) {
  std::vector<PixelRect> all;
  for (const auto& b : batches) all.insert(all.end(), b.begin(), b.end());
  return all;
}

const TransparentColour kWhite{};

}  // namespace

TEST(RegionRuns, AllWhiteGivesNothingNoWhiteGivesEveryRowWhole) {
  Picture white(37, 5);
  EXPECT_TRUE(RunBatches(white.View(), kWhite).empty());

  Picture dark(37, 3, 0, 10, 20, 30);
  std::vector<PixelRect> expected = {{0, 0, 37, 1}, {0, 1, 37, 2}, {0, 2, 37, 3}};
  EXPECT_EQ(All(RunBatches(dark.View(), kWhite)), expected);
}

TEST(RegionRuns, RunsAreMaximalAndRowByRow) {
  Picture p(8, 2);
  for (int x : {1, 2, 3, 6}) p.Set(x, 0, 0, 0, 0);
  p.Set(0, 1, 0, 0, 0);
  p.Set(7, 1, 0, 0, 0);
  std::vector<PixelRect> expected = {{1, 0, 4, 1}, {6, 0, 7, 1}, {0, 1, 1, 2}, {7, 1, 8, 2}};
  EXPECT_EQ(All(RunBatches(p.View(), kWhite)), expected);
  // The other selection gives exactly the rest.
  std::vector<PixelRect> rest = {{0, 0, 1, 1}, {4, 0, 6, 1}, {7, 0, 8, 1}, {1, 1, 7, 2}};
  EXPECT_EQ(All(RunBatches(p.View(), kWhite, RunsOf::kTransparent)), rest);
}

TEST(RegionRuns, ARowOfMoreThan2000RunsComesInBatchesThatCoverIt) {
  const int runs = 2345;
  Picture p(runs * 2, 2);
  for (int i = 0; i < runs; ++i) p.Set(i * 2, 0, 0, 0, 0);
  std::vector<std::size_t> sizes;
  std::vector<PixelRect> all;
  ASSERT_TRUE(CollectRuns(p.View(), kWhite, RunsOf::kKept, [&](std::span<const PixelRect> batch) {
    sizes.push_back(batch.size());
    all.insert(all.end(), batch.begin(), batch.end());
  }));
  EXPECT_EQ(sizes, (std::vector<std::size_t>{2000, 345}));
  ASSERT_EQ(all.size(), static_cast<std::size_t>(runs));
  for (int i = 0; i < runs; ++i) EXPECT_EQ(all[i], (PixelRect{i * 2, 0, i * 2 + 1, 1})) << i;
}

TEST(RegionRuns, ToleranceBoundsEachChannel) {
  const TransparentColour key{200, 100, 254, 3};
  Picture p(6, 1, 0, 0, 0, 0);
  p.Set(0, 0, 200, 100, 254);  // the colour itself
  p.Set(1, 0, 203, 103, 255);  // red and green at c + tolerance; blue's range ends at 255
  p.Set(2, 0, 204, 100, 254);  // red one past the tolerance
  p.Set(3, 0, 199, 100, 254);  // red below c
  p.Set(4, 0, 200, 99, 254);   // green below c
  p.Set(5, 0, 200, 100, 253);  // blue below c
  EXPECT_EQ(All(RunBatches(p.View(), key)), (std::vector<PixelRect>{{2, 0, 6, 1}}));
  // A negative tolerance counts as 0.
  Picture q(2, 1, 0, 200, 100, 250);
  q.Set(1, 0, 201, 100, 250);
  EXPECT_EQ(All(RunBatches(q.View(), {200, 100, 250, -9})), (std::vector<PixelRect>{{1, 0, 2, 1}}));
}

TEST(RegionRuns, PaddedRowsAreSkippedNotRead) {
  // Strides that are no multiple of four; the padding holds bytes that are not white.
  for (int padding : {1, 3, 7}) {
    Picture p(5, 3, padding);
    p.Set(4, 2, 1, 1, 1);
    EXPECT_EQ(All(RunBatches(p.View(), kWhite)), (std::vector<PixelRect>{{4, 2, 5, 3}})) << padding;
  }
}

TEST(RegionRuns, ViewsThatDescribeNoPictureAreRefused) {
  Picture p(4, 4);
  int calls = 0;
  auto count = [&](std::span<const PixelRect>) { ++calls; };
  EXPECT_FALSE(CollectRuns({p.bytes.data(), 4, 4, 15}, kWhite, RunsOf::kKept, count));  // stride too short
  EXPECT_FALSE(CollectRuns({nullptr, 4, 4, 16}, kWhite, RunsOf::kKept, count));
  EXPECT_FALSE(CollectRuns({p.bytes.data(), -1, 4, 16}, kWhite, RunsOf::kKept, count));
  EXPECT_FALSE(CollectRuns({p.bytes.data(), 4, 4, -16}, kWhite, RunsOf::kKept, count));
  EXPECT_TRUE(CollectRuns({nullptr, 0, 0, 0}, kWhite, RunsOf::kKept, count));
  EXPECT_EQ(calls, 0);
}

TEST(RegionRuns, CornerColourIsTheTopLeftPixel) {
  Picture p(3, 3, 2, 9, 8, 7);
  p.Set(1, 1, 255, 255, 255);
  TransparentColour corner = CornerColour(p.View());
  EXPECT_EQ(corner.red, 9);
  EXPECT_EQ(corner.green, 8);
  EXPECT_EQ(corner.blue, 7);
  // Removing the corner's colour keeps the one other pixel.
  EXPECT_EQ(All(RunBatches(p.View(), corner)), (std::vector<PixelRect>{{1, 1, 2, 2}}));
}

}  // namespace orvix
