// The delay rule of animated pictures.
#include "FrameTiming.h"

#include <algorithm>

namespace orvix {

int FrameDelayMs(std::int64_t hundredths) {
  std::int64_t ms = std::clamp<std::int64_t>(hundredths, 0, kLongestFrameDelayMs / 10) * 10;
  return ms < kShortestFrameDelayMs ? kDelayForShortFramesMs : static_cast<int>(ms);
}

std::vector<int> FrameDelaysMs(std::span<const std::int32_t> hundredths, std::size_t frameCount) {
  std::vector<int> delays(frameCount);
  for (std::size_t i = 0; i < frameCount; ++i) delays[i] = FrameDelayMs(i < hundredths.size() ? hundredths[i] : 0);
  return delays;
}

}  // namespace orvix
