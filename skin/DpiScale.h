// One place for display scaling: a window's DPI, and layout values written once in 96-DPI
// units scaled from it. The same factor picks the art set drawn for the nearest scale, so
// text and edges stay crisp instead of being stretched by the system.
#pragma once

#include <climits>
#include <cstdint>

#include "LayoutString.h"
#include "PixelRect.h"

namespace orvix {

class DpiScale {
 public:
  static constexpr int kBaseDpi = 96;
  // The scales the art is drawn for, in percent.
  static constexpr int kArtPercents[] = {100, 150, 200};

  // A DPI that no display has (zero, negative, absurd) counts as 96.
  constexpr explicit DpiScale(int dpi = kBaseDpi) : dpi_(dpi > 0 && dpi <= 4 * 960 ? dpi : kBaseDpi) {}

  constexpr int dpi() const { return dpi_; }

  // MulDiv(units, dpi, 96): rounded to the nearest pixel, halves away from zero.
  constexpr int Scale(int units96) const { return MulDivRounded(units96, dpi_, kBaseDpi); }

  // Edges are scaled one by one, so controls that touch at 96 DPI still touch.
  constexpr PixelRect Scale(const PixelRect& r) const {
    return {Scale(r.left), Scale(r.top), Scale(r.right), Scale(r.bottom)};
  }
  PixelRect Scale(const ControlPlacement& p) const { return Scale(p.Rect()); }

  // The art set for this DPI: 100, 150 or 200, whichever is nearest to the DPI's percent;
  // never below 100. A tie (125 %) takes the larger set: shrinking art loses less than
  // enlarging it.
  constexpr int ArtPercent() const {
    int best = kArtPercents[0];
    for (int percent : kArtPercents) {
      // Distances compared in units of 1/96 percent, so 120 DPI ties exactly.
      int distance = Distance(dpi_ * 100, percent * kBaseDpi);
      if (distance <= Distance(dpi_ * 100, best * kBaseDpi)) best = percent;
    }
    return best;
  }

  // The size in this DPI's pixels of `pixels` of art drawn for `artPercent`.
  constexpr int FromArt(int pixels, int artPercent) const {
    return artPercent > 0 ? MulDivRounded(pixels, dpi_ * 100, artPercent * kBaseDpi) : pixels;
  }

  friend constexpr bool operator==(const DpiScale&, const DpiScale&) = default;

 private:
  static constexpr int Distance(int a, int b) { return a > b ? a - b : b - a; }
  static constexpr int MulDivRounded(int value, int numerator, int denominator) {
    std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    std::int64_t half = denominator / 2;
    std::int64_t result = product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    if (result > INT_MAX) return INT_MAX;
    if (result < INT_MIN) return INT_MIN;
    return static_cast<int>(result);
  }

  int dpi_;
};

}  // namespace orvix
