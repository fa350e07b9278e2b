// Hit tests of item rectangles, such as the entries of a pop-up chooser, whose rectangles
// may be narrowed on both sides so that a click on the edge of the art hits nothing.
#pragma once

#include <span>

#include "PixelRect.h"

namespace orvix {

// The index of the first item whose rectangle, narrowed by `narrowBy` pixels on the left
// and on the right, contains the point; -1 for none.
int HitItem(std::span<const PixelRect> items, int x, int y, int narrowBy = 0);

}  // namespace orvix
