#include "DpiLevelRules.h"

#include <algorithm>

namespace orvix {

int ClampDpiLevel(int level) { return std::clamp(level, kDpiLevelMinimum, kDpiLevelMaximum); }

std::uint32_t PackDpiRowNotice(const DpiRowNotice& notice) {
  return (static_cast<std::uint32_t>(notice.kind) << 16) | (static_cast<std::uint32_t>(notice.value) & 0xFFFFu);
}

UnpackedDpiRowNotice UnpackDpiRowNotice(std::uintptr_t wParam) {
  return {static_cast<int>((wParam >> 16) & 0xFFFFu), static_cast<int>(wParam & 0xFFFFu)};
}

void DpiLevelRowState::Show(int level, bool enabled, bool active) {
  level_ = level;
  enabled_ = enabled;
  active_ = active;
}

std::optional<DpiRowNotice> DpiLevelRowState::StoreLevel(int level) {
  level = ClampDpiLevel(level);
  if (level == level_) return std::nullopt;
  level_ = level;
  return DpiRowNotice{DpiRowKind::kLevel, level};
}

std::optional<DpiRowNotice> DpiLevelRowState::OnSliderMoved(int level) { return StoreLevel(level); }

std::optional<DpiRowNotice> DpiLevelRowState::OnNumberChanged(int dpi) { return StoreLevel(LevelOfDpi(dpi)); }

std::optional<DpiRowNotice> DpiLevelRowState::OnPreset(int index) {
  if (index < 0 || index >= static_cast<int>(kDpiPresetLevels.size())) return std::nullopt;
  const int level = kDpiPresetLevels[static_cast<std::size_t>(index)];
  // A preset always tells the page, also when the level was that already: the record
  // may hold a value out of range that the row only showed clamped.
  level_ = level;
  return DpiRowNotice{DpiRowKind::kLevel, level};
}

DpiRowNotice DpiLevelRowState::OnEnableToggled(bool enabled) {
  enabled_ = enabled;
  return {DpiRowKind::kEnabled, enabled ? 1 : 0};
}

DpiRowNotice DpiLevelRowState::OnStripPressed(bool pressed) const { return {DpiRowKind::kMadeActive, pressed ? 1 : 0}; }

}  // namespace orvix
