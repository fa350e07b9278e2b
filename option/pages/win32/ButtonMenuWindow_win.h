// The button page's pop-up menu on the screen: the menu tree of a slot turned into a
// skinned pop-up menu, each macro set's submenu filled when it opens.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "PopupMenu_win.h"
#include "pages/buttons/ButtonMenu.h"

namespace orvix {

// The text of a language identifier.
using MenuTexts = std::function<std::wstring(int textId)>;

// Shows the menu of `source.slot` at `screen` (the slot button's bottom-left corner) and
// returns the command chosen, 0 for none. `source` stays alive until it returns.
UINT TrackButtonMenu(HWND owner, POINT screen, const button_page::ButtonMenuSource& source, const MenuTexts& texts,
                     FontRef font, const DpiScale& dpi);

}  // namespace orvix
