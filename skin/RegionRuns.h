// The shape of a skinned window from its background picture: row by row, the maximal runs
// of pixels that are not the transparent colour, each a rectangle one pixel high. The
// rectangles come in batches, so that a region can be built from a bounded buffer however
// many runs a picture has.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "PixelRect.h"

namespace orvix {

// A 32-bit top-down picture as a DIB section holds it: per pixel blue, green, red and an
// unused byte; `stride` bytes from one row to the next.
struct PixelView {
  const std::uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;
};

// A pixel is transparent when each of its red, green and blue lies in
// [c, min(255, c + tolerance)] for the colour's own component c.
struct TransparentColour {
  std::uint8_t red = 255, green = 255, blue = 255;
  int tolerance = 0;
};

enum class RunsOf { kKept, kTransparent };

inline constexpr std::size_t kRegionBatchRects = 2000;

using RunBatchSink = std::function<void(std::span<const PixelRect> batch)>;

// Calls `sink` with batches of at most `kRegionBatchRects` rectangles, top row first, left
// to right; nothing for a picture without such runs. Returns false (and calls nothing) for
// a view that does not describe a readable picture.
bool CollectRuns(const PixelView& picture, const TransparentColour& colour, RunsOf which, const RunBatchSink& sink);

// The same, gathered.
std::vector<std::vector<PixelRect>> RunBatches(const PixelView& picture, const TransparentColour& colour,
                                               RunsOf which = RunsOf::kKept);

// The colour of the top-left pixel, tolerance 0; white for an empty picture.
TransparentColour CornerColour(const PixelView& picture);

}  // namespace orvix
