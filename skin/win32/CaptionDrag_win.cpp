// Caption drags.
#include "CaptionDrag_win.h"

#include <windowsx.h>

namespace orvix {

bool BeginCaptionDrag(HWND dialog, LPARAM clientPoint) {
  if (!dialog) return false;
  POINT point{GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)};
  ::ClientToScreen(dialog, &point);
  // The press may have captured the pointer (a control released it to us); the system's
  // move loop takes its own capture.
  if (::GetCapture() == dialog) ::ReleaseCapture();
  return ::PostMessageW(dialog, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y)) != FALSE;
}

}  // namespace orvix
