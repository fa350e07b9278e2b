// The media-player dialog of "Select Player": the player the profile's media functions
// control, chosen from a drop-down.
#pragma once

#include <windows.h>

#include "FormDialog_win.h"

namespace orvix {

inline constexpr char kMediaPlayerDialogTitle[] = "Orvix One Media Player";

// True with `player` (0..3) changed when the user pressed OK.
bool RunMediaPlayerDialog(HWND owner, const FormDialogSetup& setup, int& player);

}  // namespace orvix
