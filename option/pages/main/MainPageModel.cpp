#include "pages/main/MainPageModel.h"

#include <algorithm>

#include "pages/main/DoubleClickTable.h"

namespace orvix {
namespace {

PageReaction Store(std::int32_t& field, int value) {
  if (field == value) return {};
  field = value;
  return {true, std::nullopt};
}

int ActiveRow(const ProfileRecord& profile) { return std::clamp(profile.Cpi_X, 0, kDpiLevels - 1); }

}  // namespace

ProfileRecord& EditedProfile(ConfigRecord& config) {
  return config.profiles[std::clamp(config.CurrentProfile, 0, kProfiles - 1)];
}

const ProfileRecord& EditedProfile(const ConfigRecord& config) {
  return config.profiles[std::clamp(config.CurrentProfile, 0, kProfiles - 1)];
}

MainPageView ViewOf(const ProfileRecord& profile) {
  MainPageView view{};
  view.sensitivity = std::clamp(profile.Sensitivity, kSensitivityMinimum, kSensitivityMaximum);
  view.sensitivityNumber = view.sensitivity - kSensitivityNumberOffset;
  view.scrollSpeed = std::clamp(profile.ScrollWheelSpeed, kSpeedMinimum, kSpeedMaximum);
  if (profile.ScrollWheelFlag == 0) view.scrollChoice = ScrollChoice::kLinesPerNotch;
  if (profile.ScrollWheelFlag == 1) view.scrollChoice = ScrollChoice::kOnePagePerNotch;
  view.tiltSpeed = std::clamp(profile.TiltSpeed, kSpeedMinimum, kSpeedMaximum);
  view.doubleClickPosition = DoubleClickPositionOfMs(profile.DbleClickSpeed);
  const int active = ActiveRow(profile);
  for (int i = 0; i < kDpiLevels; ++i)
    view.rows[static_cast<std::size_t>(i)] = {profile.CpiLevel_X[i], profile.dpi[i] != 0, i == active};
  return view;
}

PageReaction OnSliderMoved(ProfileRecord& profile, int id, int value) {
  switch (id) {
    case kSensitivitySliderId:
      return Store(profile.Sensitivity, std::clamp(value, kSensitivityMinimum, kSensitivityMaximum));
    case kScrollSpeedSliderId:
      return Store(profile.ScrollWheelSpeed, std::clamp(value, kSpeedMinimum, kSpeedMaximum));
    case kTiltSliderId:
      return Store(profile.TiltSpeed, std::clamp(value, kSpeedMinimum, kSpeedMaximum));
    case kDoubleClickSliderId: {
      const int ms = DoubleClickMsOfPosition(value);
      PageReaction reaction = Store(profile.DbleClickSpeed, ms);
      // Windows takes the slider's time even when the record already held it: the user
      // moved the slider to get it.
      reaction.doubleClickMs = ms;
      return reaction;
    }
    default:
      return {};
  }
}

PageReaction OnNumberBoxChanged(ProfileRecord& profile, int id, int value) {
  if (id != kSensitivityNumberId) return {};
  const int sensitivity =
      std::clamp(value + kSensitivityNumberOffset, kSensitivityMinimum, kSensitivityMaximum);
  return Store(profile.Sensitivity, sensitivity);
}

PageReaction OnScrollChoice(ProfileRecord& profile, ScrollChoice choice) {
  return Store(profile.ScrollWheelFlag, static_cast<int>(choice));
}

PageReaction OnDpiRowNotice(ProfileRecord& profile, std::uintptr_t wParam, std::intptr_t rowId) {
  if (rowId < kFirstDpiRowId || rowId >= kFirstDpiRowId + kDpiLevels) return {};
  const int row = static_cast<int>(rowId - kFirstDpiRowId);
  const UnpackedDpiRowNotice notice = UnpackDpiRowNotice(wParam);
  switch (static_cast<DpiRowKind>(notice.kind)) {
    case DpiRowKind::kEnabled: {
      const auto flag = static_cast<std::uint8_t>(notice.value & 0xFF);
      if (profile.dpi[row] == flag) return {};
      profile.dpi[row] = flag;
      return {true, std::nullopt};
    }
    case DpiRowKind::kLevel:
      return Store(profile.CpiLevel_X[row], ClampDpiLevel(notice.value));
    case DpiRowKind::kMadeActive:
      return Store(profile.Cpi_X, row);
    default:
      return {};
  }
}

}  // namespace orvix
