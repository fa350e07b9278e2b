// The program dialog of the program-start function: the path of the program a button
// starts, typed or chosen with the browse button.
#pragma once

#include <windows.h>

#include <string>

#include "FormDialog_win.h"

namespace orvix {

inline constexpr char kProgramPathDialogTitle[] = "Orvix One Program";

// True with `path` replaced when the user pressed OK with a path that fits a button;
// a longer one is refused with a notice and the dialog stays open.
bool RunProgramPathDialog(HWND owner, const FormDialogSetup& setup, std::string& path);

}  // namespace orvix
