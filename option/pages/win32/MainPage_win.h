// The main settings page of the main dialog: sensitivity, the five DPI levels, scroll and
// tilt speed, and the Windows double-click speed with its test picture. Every change is
// written into the current profile of the working copy at once.
//
// The double-click slider also sets the Windows double-click time at once. When the page
// ends with the program, a time it set is put back to the one of the profile the monitor
// last applied, so a change that was never applied does not outlive the program.
#pragma once

#include <array>
#include <optional>

#include "DoubleClickTest_win.h"
#include "DpiLevelRow_win.h"
#include "MainPageButtons_win.h"
#include "NumberBox_win.h"
#include "OptionPage_win.h"
#include "OptionResources.h"
#include "SkinLabel_win.h"
#include "Slider_win.h"
#include "pages/main/MainPageModel.h"

namespace orvix {

class CMainPage final : public OptionPage {
 public:
  CMainPage() : OptionPage(IDD_MAIN_PAGE, "page_main") {}
  ~CMainPage() override;

  void OnRefresh() override;
  void OnRelabel(const LanguageLibrary& texts) override;

 protected:
  void OnCreate() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  enum Title { kSensitivityTitle, kScrollTitle, kTiltTitle, kDpiTitle, kDoubleClickTitle, kTitleCount };

  ProfileRecord& Profile() { return EditedProfile(host().Working().config); }
  void React(const PageReaction& reaction);
  void SetDoubleClickTime(int ms);
  void RestoreDoubleClickTime();
  void MakeFonts();
  void CreateSliders();
  void CreateButtons();
  void CreateRows();

  std::array<SkinLabel, kTitleCount> titles_;
  Slider sensitivity_, scrollSpeed_, tiltSpeed_, doubleClick_;
  NumberBox sensitivityNumber_;
  MainPageButton linesPerNotch_{MainPageButton::Style::kChoice};
  MainPageButton onePagePerNotch_{MainPageButton::Style::kChoice};
  DoubleClickTest test_;
  std::array<DpiLevelRow, kDpiLevels> rows_;
  FontRef titleFont_, labelFont_, rowFont_, presetFont_, numberFont_;

  // Windows' double-click time before the page first set it; nullopt while it did not.
  std::optional<UINT> systemDoubleClickTime_;
};

}  // namespace orvix
