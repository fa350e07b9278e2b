// Item hit tests.
#include "ItemHitTest.h"

namespace orvix {

int HitItem(std::span<const PixelRect> items, int x, int y, int narrowBy) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    PixelRect r = items[i];
    r.left += narrowBy;
    r.right -= narrowBy;
    if (r.Contains(x, y)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace orvix
