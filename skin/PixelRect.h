// A rectangle in pixels, edges as Windows has them: left and top inside, right and bottom
// one past the last column and row.
#pragma once

namespace orvix {

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Empty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace orvix
