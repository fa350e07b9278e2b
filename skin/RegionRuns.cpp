// Run collection over the raw rows of a picture: one pass, no per-pixel calls.
#include "RegionRuns.h"

#include <algorithm>

namespace orvix {
namespace {

struct ChannelRange {
  std::uint8_t low, high;
  bool Holds(std::uint8_t v) const { return v >= low && v <= high; }
};

ChannelRange RangeOf(std::uint8_t c, int tolerance) {
  int high = std::min(255, c + std::max(0, tolerance));
  return {c, static_cast<std::uint8_t>(high)};
}

bool Readable(const PixelView& p) {
  if (p.width < 0 || p.height < 0) return false;
  if (p.width == 0 || p.height == 0) return true;
  return p.bits != nullptr && p.stride >= static_cast<std::ptrdiff_t>(p.width) * 4;
}

}  // namespace

bool CollectRuns(const PixelView& picture, const TransparentColour& colour, RunsOf which, const RunBatchSink& sink) {
  if (!Readable(picture)) return false;
  const ChannelRange red = RangeOf(colour.red, colour.tolerance);
  const ChannelRange green = RangeOf(colour.green, colour.tolerance);
  const ChannelRange blue = RangeOf(colour.blue, colour.tolerance);
  const bool wantTransparent = which == RunsOf::kTransparent;

  std::vector<PixelRect> batch;
  batch.reserve(std::min<std::size_t>(kRegionBatchRects, 100));
  for (int y = 0; y < picture.height; ++y) {
    const std::uint8_t* row = picture.bits + y * picture.stride;
    int x = 0;
    while (x < picture.width) {
      auto wanted = [&](int column) {
        const std::uint8_t* px = row + column * 4;
        bool transparent = blue.Holds(px[0]) && green.Holds(px[1]) && red.Holds(px[2]);
        return transparent == wantTransparent;
      };
      while (x < picture.width && !wanted(x)) ++x;
      if (x == picture.width) break;
      int start = x;
      while (x < picture.width && wanted(x)) ++x;
      batch.push_back({start, y, x, y + 1});
      if (batch.size() == kRegionBatchRects) {
        sink(batch);
        batch.clear();
      }
    }
  }
  if (!batch.empty()) sink(batch);
  return true;
}

std::vector<std::vector<PixelRect>> RunBatches(const PixelView& picture, const TransparentColour& colour,
                                               RunsOf which) {
  std::vector<std::vector<PixelRect>> batches;
  CollectRuns(picture, colour, which,
              [&](std::span<const PixelRect> batch) { batches.emplace_back(batch.begin(), batch.end()); });
  return batches;
}

TransparentColour CornerColour(const PixelView& picture) {
  if (!Readable(picture) || picture.width == 0 || picture.height == 0) return {};
  const std::uint8_t* px = picture.bits;
  return {px[2], px[1], px[0], 0};
}

}  // namespace orvix
