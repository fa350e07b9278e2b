// Frame timing of an animated picture. GIF delays count hundredths of a second; files
// often say 0 or 1, meaning "as fast as possible", which would spin a player thread, so
// (as browsers do) a delay under 20 ms plays as 100 ms.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orvix {

inline constexpr int kShortestFrameDelayMs = 20;
inline constexpr int kDelayForShortFramesMs = 100;
// The largest delay a GIF can state (65535 hundredths).
inline constexpr int kLongestFrameDelayMs = 655350;

// A frame's delay in milliseconds from the file's value in hundredths of a second.
int FrameDelayMs(std::int64_t hundredths);

// The delays of `frameCount` frames from the file's list, which may be shorter than the
// frame count (missing delays count as 0) or absent.
std::vector<int> FrameDelaysMs(std::span<const std::int32_t> hundredths, std::size_t frameCount);

// The frame after `frame` in an endless loop of `frameCount` frames.
constexpr std::size_t NextFrame(std::size_t frame, std::size_t frameCount) {
  return frameCount == 0 ? 0 : (frame + 1) % frameCount;
}

}  // namespace orvix
