// Slider mapping in 64-bit arithmetic: ranges like 200..8200 over a few hundred pixels
// never overflow, and rounding is to the nearest pixel and the nearest value.
#include "SliderScale.h"

#include <algorithm>
#include <cstdint>

namespace orvix {
namespace {

std::int64_t DivideRounded(std::int64_t numerator, std::int64_t denominator) {
  if (denominator <= 0) return 0;
  return numerator >= 0 ? (numerator + denominator / 2) / denominator
                        : -((-numerator + denominator / 2) / denominator);
}

}  // namespace

SliderScale::SliderScale(int minimum, int maximum, int step, int trackWidth, int thumbWidth)
    : minimum_(minimum),
      maximum_(std::max(minimum, maximum)),
      step_(std::max(1, step)),
      trackWidth_(std::max(0, trackWidth)),
      thumbWidth_(std::max(0, thumbWidth)) {}

int SliderScale::Snap(int value) const {
  std::int64_t clamped = std::clamp(value, minimum_, maximum_);
  std::int64_t offset = clamped - minimum_;
  std::int64_t lower = minimum_ + offset / step_ * step_;
  std::int64_t upper = std::min<std::int64_t>(lower + step_, maximum_);
  // Ties go up, as a thumb dragged exactly halfway has passed the middle.
  return static_cast<int>(clamped - lower < upper - clamped ? lower : upper);
}

int SliderScale::ThumbLeft(int value) const {
  std::int64_t range = static_cast<std::int64_t>(maximum_) - minimum_;
  if (range == 0) return 0;
  std::int64_t offset = static_cast<std::int64_t>(std::clamp(value, minimum_, maximum_)) - minimum_;
  return static_cast<int>(DivideRounded(offset * Travel(), range));
}

int SliderScale::ValueAtThumbLeft(int thumbLeft) const {
  if (Travel() == 0) return minimum_;
  std::int64_t left = std::clamp(thumbLeft, 0, Travel());
  std::int64_t range = static_cast<std::int64_t>(maximum_) - minimum_;
  std::int64_t raw = minimum_ + DivideRounded(left * range, Travel());
  return Snap(static_cast<int>(raw));
}

int SliderScale::ValueAtPoint(int x) const { return ValueAtThumbLeft(x - thumbWidth_ / 2); }

bool SliderScale::HitsThumb(int value, int x) const {
  int left = ThumbLeft(value);
  return x >= left && x < left + thumbWidth_;
}

int SliderScale::StepBy(int value, int steps) const {
  // Allowed values by index: minimum + i * step, and the maximum as the last one even when
  // it lies off that grid.
  std::int64_t range = static_cast<std::int64_t>(maximum_) - minimum_;
  std::int64_t last = (range + step_ - 1) / step_;
  int snapped = Snap(value);
  std::int64_t index = snapped == maximum_ ? last : (static_cast<std::int64_t>(snapped) - minimum_) / step_;
  index = std::clamp<std::int64_t>(index + steps, 0, last);
  return static_cast<int>(std::min<std::int64_t>(minimum_ + index * step_, maximum_));
}

}  // namespace orvix
