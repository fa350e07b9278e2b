// The DPI a window is shown at: its monitor's on systems with per-monitor DPI, else the
// system's.
#pragma once

#include <windows.h>

#include "DpiScale.h"

namespace orvix {

DpiScale DpiOfWindow(HWND window);

}  // namespace orvix
