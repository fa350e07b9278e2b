// GetDpiForWindow exists from Windows 10 (1607) on; before, the screen's LOGPIXELSX is the
// DPI of every window.
#include "WindowDpi_win.h"

#include "GdiHandles_win.h"
#include "ProcAddress_win.h"

namespace orvix {

DpiScale DpiOfWindow(HWND window) {
  using GetDpiForWindowFunction = UINT WINAPI(HWND);
  static auto* getDpiForWindow =
      ProcAddress<GetDpiForWindowFunction>(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  if (window && getDpiForWindow) {
    UINT dpi = getDpiForWindow(window);
    if (dpi > 0) return DpiScale(static_cast<int>(dpi));
  }
  WindowDc screen(nullptr);
  return DpiScale(screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : DpiScale::kBaseDpi);
}

}  // namespace orvix
