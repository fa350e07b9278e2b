// A horizontal slider's geometry: values from minimum to maximum (landing on
// minimum + k * step, and on the maximum itself) mapped to the left edge of a thumb that
// travels along a track of a given pixel width.
#pragma once

#include "PixelRect.h"

namespace orvix {

class SliderScale {
 public:
  // A maximum below the minimum is raised to it, a step below 1 is 1, a thumb wider than
  // the track leaves it no travel (every value shows at the left end).
  SliderScale(int minimum, int maximum, int step, int trackWidth, int thumbWidth);

  // The allowed value nearest to `value`, in range.
  int Snap(int value) const;
  // The thumb's left edge (track pixels) for a value.
  int ThumbLeft(int value) const;
  // The allowed value whose thumb lies nearest to a thumb with this left edge: what a drag
  // shows while the thumb is held by the pointer.
  int ValueAtThumbLeft(int thumbLeft) const;
  // The value for a press on the track outside the thumb: the thumb centred under x.
  int ValueAtPoint(int x) const;
  bool HitsThumb(int value, int x) const;
  // Keyboard and wheel steps: `steps` allowed values on from `value`, in range.
  int StepBy(int value, int steps) const;

  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  int step() const { return step_; }
  int trackWidth() const { return trackWidth_; }
  int thumbWidth() const { return thumbWidth_; }

 private:
  int Travel() const { return trackWidth_ > thumbWidth_ ? trackWidth_ - thumbWidth_ : 0; }

  int minimum_, maximum_, step_;
  int trackWidth_, thumbWidth_;
};

}  // namespace orvix
