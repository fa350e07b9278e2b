// One DPI level of the main page: its value in steps of 200 DPI (1 is 200 DPI, 41 is
// 8200 DPI), the five preset values, and the row that edits it: what each of its controls
// does to the row's state and what the row tells the page.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace orvix {

inline constexpr int kDpiLevelMinimum = 1;
inline constexpr int kDpiLevelMaximum = 41;
inline constexpr int kDpiPerLevel = 200;
inline constexpr int kDpiMinimum = kDpiLevelMinimum * kDpiPerLevel;  // 200
inline constexpr int kDpiMaximum = kDpiLevelMaximum * kDpiPerLevel;  // 8200
inline constexpr std::array<int, 5> kDpiPresetLevels = {1, 10, 20, 30, 41};

// Level value to DPI and back (integer division: 1100 DPI is level 5).
constexpr int DpiOfLevel(int level) { return level * kDpiPerLevel; }
constexpr int LevelOfDpi(int dpi) { return dpi / kDpiPerLevel; }
// A level value as the row's slider can show it.
int ClampDpiLevel(int level);

// What a row tells the page (WM_OPT_DPI_ROW: kind in the high 16 bits of wParam, value in
// the low 16 bits, the row id in lParam).
// Posted by a row to the page.
inline constexpr unsigned WM_OPT_DPI_ROW = 1117;

enum class DpiRowKind : int { kEnabled = 1, kLevel = 2, kMadeActive = 3 };

struct DpiRowNotice {
  DpiRowKind kind;
  int value;
  bool operator==(const DpiRowNotice& other) const { return kind == other.kind && value == other.value; }
};

std::uint32_t PackDpiRowNotice(const DpiRowNotice& notice);
// Any wParam: the kind is whatever its high half holds, checked by the receiver.
struct UnpackedDpiRowNotice {
  int kind;
  int value;
};
UnpackedDpiRowNotice UnpackDpiRowNotice(std::uintptr_t wParam);

class DpiLevelRowState {
 public:
  // From the profile: the level as stored (the controls show it clamped), the enable flag
  // and whether the row is the active level. Tells the page nothing.
  void Show(int level, bool enabled, bool active);

  // The user's actions; a notice when the page must hear of it.
  std::optional<DpiRowNotice> OnSliderMoved(int level);
  std::optional<DpiRowNotice> OnNumberChanged(int dpi);
  std::optional<DpiRowNotice> OnPreset(int index);  // 0..4
  DpiRowNotice OnEnableToggled(bool enabled);
  DpiRowNotice OnStripPressed(bool pressed) const;

  int level() const { return level_; }
  bool enabled() const { return enabled_; }
  bool active() const { return active_; }
  // What the controls show.
  int sliderLevel() const { return ClampDpiLevel(level_); }
  int numberDpi() const { return DpiOfLevel(sliderLevel()); }
  // The presets, the strip, the slider and the number box work in an enabled row only.
  bool levelControlsEnabled() const { return enabled_; }
  // The active level cannot be switched off. An active row that a loaded profile has
  // switched off keeps its box usable: otherwise nothing could switch it on again.
  bool checkBoxEnabled() const { return !active_ || !enabled_; }

 private:
  std::optional<DpiRowNotice> StoreLevel(int level);

  int level_ = kDpiLevelMinimum;
  bool enabled_ = true;
  bool active_ = false;
};

}  // namespace orvix
