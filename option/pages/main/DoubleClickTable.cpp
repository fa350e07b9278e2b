#include "DoubleClickTable.h"

namespace orvix {
namespace {

constexpr int kSlowestMs = 900;
constexpr int kStepMs = 70;

}  // namespace

int DoubleClickMsOfPosition(int position) {
  if (position < 1 || position > kDoubleClickPositions) return kDoubleClickFallbackMs;
  return kSlowestMs - (position - 1) * kStepMs;
}

int DoubleClickPositionOfMs(int ms) {
  for (int position = 1; position < kDoubleClickPositions; ++position)
    if (ms >= DoubleClickMsOfPosition(position)) return position;
  return kDoubleClickPositions;
}

}  // namespace orvix
