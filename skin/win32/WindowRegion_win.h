// Window shapes cut from bitmaps, built from the portable run collection: the bitmap's bits
// are read in one pass, and the rectangles become a region in batches of 2000.
#pragma once

#include <windows.h>

#include "GdiHandles_win.h"
#include "RegionRuns.h"

namespace orvix {

// Every pixel of the bitmap except those of the transparent colour (first form). Dialogs
// pass white with tolerance 0. An entirely transparent bitmap gives an empty region; null
// means the bitmap could not be read.
RegionHandle RegionFromBitmap(HBITMAP bitmap, const TransparentColour& colour = {});

// The window's full rectangle `full` (client coordinates, the bitmap at 0, 0) without every
// bitmap pixel whose colour is that of its top-left pixel (second form).
RegionHandle RegionWithoutCornerColour(HBITMAP bitmap, const RECT& full);

// Gives the region to the window, which owns it from then on.
bool ApplyWindowRegion(HWND window, RegionHandle region, bool redraw = true);

}  // namespace orvix
