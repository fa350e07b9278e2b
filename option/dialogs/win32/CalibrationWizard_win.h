// The surface calibration wizard: start page, measuring (the monitor takes five sensor
// images and evaluates them), then the finish or the failure page with Retry. The monitor
// finds the window by its title and answers with WM_CAL_IMAGE_READY and WM_CAL_STEP; the
// wizard only posts. Continue ends it done; Cancel, Exit and the main dialog being closed
// from outside end it cancelled.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "DpiScale.h"
#include "SkinFont_win.h"
#include "apply/ApplyPorts.h"

namespace orvix {

struct CalibrationWizardSetup {
  std::string installFolder;
  DpiScale dpi;
  std::wstring heading;                       // on the title strip
  std::wstring intro;                         // what the calibration is for
  std::wstring stepFirst, stepSecond, stepFinish;
  std::wstring startText, measuringText, failureText, finishText;
  std::wstring start, retry, continueLabel, cancel;
  FontRef titleFont, textFont, stepFont;
  // Posts to the monitor; does nothing when it is absent.
  std::function<void(MonitorMessage message, LPARAM lParam)> post;
};

class CalibrationWizard {
 public:
  // Modal over `owner`; true when the user finished it with Continue.
  static bool Run(HWND owner, const CalibrationWizardSetup& setup);
};

}  // namespace orvix
