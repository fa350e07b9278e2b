// The shortcut dialog of "Assign a Shortcut": the key is taken from the keyboard itself
// (every key the user presses or releases, Enter and Escape included, while the dialog is
// open) and the modifiers from five check boxes.
#pragma once

#include <windows.h>

#include "FormDialog_win.h"
#include "pages/buttons/ShortcutChoice.h"

namespace orvix {

inline constexpr char kShortcutDialogTitle[] = "Lumo Key Shortcut Dialog";

// True with `shortcut` changed when the user pressed OK.
bool RunShortcutDialog(HWND owner, const FormDialogSetup& setup, button_page::ShortcutChoice& shortcut);

}  // namespace orvix
