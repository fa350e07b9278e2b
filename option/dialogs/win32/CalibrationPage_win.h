// One of the calibration wizard's four pages: a child window at the wizard's page place
// that paints its own pictures (so one page's buttons never show through on another) and,
// where its layout has an "art.image" place, the latest sensor image stretched into it. Clicks
// of its buttons go on to the wizard.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "AnimatedPicture_win.h"
#include "LayoutPlacements_win.h"
#include "SkinButton_win.h"
#include "SkinFont_win.h"
#include "SkinImages_win.h"
#include "SkinLabel_win.h"

namespace orvix {

struct CalibrationPageSetup {
  HWND wizard = nullptr;
  PixelRect rect;  // in the wizard's client pixels
  std::string installFolder;
  DpiScale dpi;
  const char* art = "";
  LayoutPlacements layout;
  std::wstring text;            // the page's explanation ("message")
  std::wstring buttonLabel;     // its button, when the layout has one ("button")
  FontRef textFont, buttonFont;
  std::string animation;        // a GIF for the "art.progress" place, when the layout has one
};

class CalibrationPage {
 public:
  CalibrationPage() = default;
  ~CalibrationPage();
  CalibrationPage(const CalibrationPage&) = delete;
  CalibrationPage& operator=(const CalibrationPage&) = delete;

  bool Create(const CalibrationPageSetup& setup);
  HWND hwnd() const { return hwnd_; }
  HWND button() const { return button_.hwnd(); }
  void Show(bool visible);
  // The sensor image to draw (owned by the wizard; null: none).
  void SetSensorImage(HBITMAP image);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

  HWND hwnd_ = nullptr;
  HWND wizard_ = nullptr;
  std::unique_ptr<SkinImages> images_;
  PixelRect imageRect_{};
  bool hasImage_ = false;
  HBITMAP sensorImage_ = nullptr;
  SkinLabel text_;
  SkinButton button_;
  AnimatedPicture animation_;
  bool hasAnimation_ = false;
};

}  // namespace orvix
