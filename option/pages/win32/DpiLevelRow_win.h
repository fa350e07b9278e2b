// One DPI level row of the main page: a child window at the row's rectangle with its own
// pictures ("dpi_level_row") and controls placed by its own table, in the row's own
// coordinates. It keeps the level's state and tells the page what the user changed with
// WM_OPT_DPI_ROW (kind and value in wParam, the row id 500..504 in lParam).
#pragma once

#include <array>
#include <memory>
#include <string>

#include "MainPageButtons_win.h"
#include "NumberBox_win.h"
#include "SkinImages_win.h"
#include "Slider_win.h"
#include "Window_win.h"
#include "pages/main/DpiLevelRules.h"

namespace orvix {

class DpiLevelRow final : public Window {
 public:
  // The identifiers of the row's own controls (the slider and the number box carry theirs
  // in their notifications).
  static constexpr int kSliderId = 300;
  static constexpr int kNumberId = 400;

  struct Setup {
    HWND page = nullptr;
    ControlPlacement placement;  // the row's rectangle on the page, 96-DPI units
    DpiScale dpi;
    int rowId = 0;  // 500..504
    std::shared_ptr<const SkinImages> art;  // the rows' pictures, read once for all five
    QuickHelpSink quickHelp;
    FontRef labelFont, presetFont, numberFont;
  };

  DpiLevelRow() = default;
  ~DpiLevelRow() override;

  // The rows' pictures, to be shared by the five rows.
  static std::shared_ptr<const SkinImages> LoadArt(std::string_view installFolder, const DpiScale& dpi);

  bool Create(const Setup& setup);

  // From the profile; tells the page nothing.
  void Show(int level, bool enabled, bool active);
  const DpiLevelRowState& state() const { return state_; }

  // Texts of the language: every control's quick help, the strip's label, the check
  // box's (never drawn) label.
  void Relabel(std::wstring_view quickHelp, std::wstring_view stripLabel, std::wstring_view checkLabel);
  void SetFonts(FontRef labelFont, FontRef presetFont);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls(const Setup& setup);
  void OnCommand(HWND sender);
  // The controls follow the state: values, checks and which of them work.
  void ShowState();
  void Tell(const std::optional<DpiRowNotice>& notice);
  void Paint();

  HWND page_ = nullptr;
  int rowId_ = 0;
  DpiScale dpi_;
  std::shared_ptr<const SkinImages> images_;
  DpiLevelRowState state_;
  MainPageButton strip_{MainPageButton::Style::kStrip, 36};
  MainPageButton check_{MainPageButton::Style::kCheckBox};
  Slider slider_;
  NumberBox number_;
  std::array<SkinButton, kDpiPresetLevels.size()> presets_;
};

}  // namespace orvix
