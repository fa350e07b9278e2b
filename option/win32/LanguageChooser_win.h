// The language chooser: a skinned pop-up of the 17 languages, each named in its own
// language, opened above the language button.
#pragma once

#include <windows.h>

#include <string>

#include "DpiScale.h"

namespace orvix {

class LanguageChooser {
 public:
  // The chosen language index 0..16, or -1 when the user clicked beside the items, pressed
  // Escape or went to another window. `topLeft` is in screen coordinates.
  static int Choose(HWND owner, POINT topLeft, const std::string& installFolder, const DpiScale& dpi);
};

}  // namespace orvix
