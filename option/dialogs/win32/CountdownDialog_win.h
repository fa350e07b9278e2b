// The acceptance dialog of a change the device is trying: a question, a progress bar and
// the seconds left. Accept ends it accepted; Cancel, Exit, the end of the time and the main
// dialog being closed from outside end it refused. The lift-off trial gives it 30 seconds,
// the calibration 15.
#pragma once

#include <windows.h>

#include <string>

#include "DpiScale.h"
#include "LayoutPlacements_win.h"
#include "SkinFont_win.h"

namespace orvix {

struct CountdownSetup {
  std::string installFolder;
  DpiScale dpi;
  const char* art = "countdown";    // its pictures in "Skin\", and its layout:
  LayoutPlacements layout;
  int seconds = 30;
  std::wstring windowTitle;         // the window's title, also shown on its title strip
  std::wstring message;
  std::wstring secondsPattern;      // "%d sec"
  std::wstring accept, cancel;
  FontRef titleFont, textFont;
};

class CountdownDialog {
 public:
  // Modal over `owner` (the main dialog, whose closing from outside refuses); true when the
  // user accepted in time.
  static bool Run(HWND owner, const CountdownSetup& setup);
};

// The bar's colours.
inline constexpr COLORREF kCountdownBarColour = RGB(60, 136, 191);
inline constexpr COLORREF kCountdownBarBackground = RGB(161, 161, 161);

}  // namespace orvix
