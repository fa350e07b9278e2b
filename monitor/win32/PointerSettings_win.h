// Puts the current profile's Windows pointer settings into effect.
#pragma once

#include <windows.h>

#include "ProfileRecord.h"

namespace orvix {

// `mouseKey` is the monitor's open "HKEY_CURRENT_USER\Control Panel\Mouse" key (may be
// null: the acceleration values then count as 0). `self` receives the WM_WININICHANGE
// notices. Failures of the system calls are ignored.
void ApplyPointerSettings(ProfileRecord& profile, HKEY mouseKey, HWND self);

}  // namespace orvix
