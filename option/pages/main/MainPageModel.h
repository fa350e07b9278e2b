// The main page without its windows: what it shows for a profile, and what each of its
// controls' notifications does to the profile being edited.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "ConfigRecord.h"
#include "pages/main/DpiLevelRules.h"

namespace orvix {

// The control identifiers the page's notifications carry.
enum MainPageControl : int {
  kSensitivitySliderId = 300,
  kScrollSpeedSliderId = 301,
  kTiltSliderId = 302,
  kDoubleClickSliderId = 303,
  kSensitivityNumberId = 400,
  kFirstDpiRowId = 500,  // rows 500..504, one per DPI level
};

inline constexpr int kSensitivityMinimum = 1;
inline constexpr int kSensitivityMaximum = 11;
// The number box shows the sensitivity around its middle: 1..11 as -5..5.
inline constexpr int kSensitivityNumberOffset = 6;
inline constexpr int kSpeedMinimum = 1;  // scroll and tilt speed, 1..10
inline constexpr int kSpeedMaximum = 10;

enum class ScrollChoice { kLinesPerNotch = 0, kOnePagePerNotch = 1 };

struct DpiRowView {
  int level;  // as stored; the row clamps what it shows
  bool enabled;
  bool active;
};

// Every control of the page for one profile, clamped to the controls' ranges.
struct MainPageView {
  int sensitivity;
  int sensitivityNumber;
  int scrollSpeed;
  std::optional<ScrollChoice> scrollChoice;  // none selected for a value other than 0 or 1
  int tiltSpeed;
  int doubleClickPosition;
  std::array<DpiRowView, kDpiLevels> rows;
};

// The profile the page edits: the slot of CurrentProfile, slot 0 for a value out of range.
ProfileRecord& EditedProfile(ConfigRecord& config);
const ProfileRecord& EditedProfile(const ConfigRecord& config);

MainPageView ViewOf(const ProfileRecord& profile);

// What a notification did: whether the record changed, and a double-click time that
// Windows must take at once. After a change the page shows the record again.
struct PageReaction {
  bool changed = false;
  std::optional<int> doubleClickMs;
};

PageReaction OnSliderMoved(ProfileRecord& profile, int id, int value);
PageReaction OnNumberBoxChanged(ProfileRecord& profile, int id, int value);
PageReaction OnScrollChoice(ProfileRecord& profile, ScrollChoice choice);
// WM_OPT_DPI_ROW; ids other than 500..504 and unknown kinds are ignored.
PageReaction OnDpiRowNotice(ProfileRecord& profile, std::uintptr_t wParam, std::intptr_t rowId);

}  // namespace orvix
