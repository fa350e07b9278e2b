// Horizontal scrolling of the window under the cursor, for applications that ignore the
// generic horizontal wheel: scroll-bar messages, arrow clicks, arrow keys or, for embedded
// HTML views, the page's own scrollBy.
#pragma once

#include <windows.h>

namespace orvix {

// direction −1 scrolls right, +1 left; `count` is the profile's TiltSpeed.
// `monitorWindow` receives WM_MON_TILT_SCROLL for embedded HTML views.
void HorizontalScroll(int direction, int count, HWND monitorWindow);

// WM_MON_TILT_SCROLL: scroll the HTML view under the cursor by 10 pixels per step.
void ScrollHtmlView(int count, bool left);

// The finder: the horizontal scroll target of window `w` (null when there is none).
HWND FindHorizontalTarget(HWND w);

}  // namespace orvix
