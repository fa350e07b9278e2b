// The advanced page of the main dialog: separate X and Y sensitivity, the sound feedback
// switches and volume, the polling rate and the Windows pointer settings of the current
// profile; the lift-off distance and the surface calibration, which the device tries at
// once (with an acceptance dialog); and the factory reset.
#pragma once

#include <array>
#include <memory>

#include "AdvancedButton_win.h"
#include "NumberBox_win.h"
#include "OptionPage_win.h"
#include "OptionResources.h"
#include "SkinLabel_win.h"
#include "Slider_win.h"
#include "pages/advanced/AdvancedSettings.h"

namespace orvix {

class CAdvancedPage final : public OptionPage {
 public:
  CAdvancedPage() : OptionPage(IDD_ADVANCED_PAGE, "page_advanced") {}

  void OnRefresh() override;
  void OnRelabel(const LanguageLibrary& texts) override;

 protected:
  void OnCreate() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  // A check button and the profile field it switches.
  struct Switch {
    AdvancedButton button{AdvancedButton::Style::kCheckBox};
    advanced::Field field;
  };

  void OnClicked(HWND sender);
  void OnSlider(int id, int value);
  void OnNumberBox(int id, int value);
  void OnSwitch(Switch& control);
  void ChooseLiftOff(int level);
  void ChoosePscOn();
  void ChoosePscOff();
  void Recalibrate();
  // The wizard and its acceptance; true when the calibration was kept.
  bool RunCalibration(advanced::CalibrationStart start);
  bool AcceptWithin(int seconds, int titleText, int questionText);
  void FactoryReset();
  void ShowTrackingLooks();
  ProfileRecord& Profile();

  void MakeButton(AdvancedButton& button, std::string_view role, ButtonKind kind, bool toggles);
  void MakeSlider(Slider& slider, std::string_view role, int id, int minimum, int maximum);
  void MakeNumberBox(NumberBox& box, std::string_view role, int id);

  static constexpr int kSoundSwitches = 5;
  std::array<Switch, 1 + kSoundSwitches> switches_;  // XY separate, then the sound switches
  AdvancedButton acceleration_{AdvancedButton::Style::kCheckBox};
  AdvancedButton trails_{AdvancedButton::Style::kCheckBox};
  Slider sensitivityX_, sensitivityY_, volume_, pointerSpeed_;
  NumberBox boxX_, boxY_;
  std::array<AdvancedButton, 4> polling_;
  std::array<AdvancedButton, advanced::kLiftOffLevels> liftOff_;
  AdvancedButton pscOn_, pscOff_, recalibrate_, reset_;
  std::array<SkinLabel, 11> titles_;

  advanced::LiftOffTrial liftOffTrial_;
  // A lift-off trial or a calibration is running: its modal dialog is open, and clicks
  // posted to the page meanwhile must not start another one inside it.
  bool inFlow_ = false;
};

}  // namespace orvix
