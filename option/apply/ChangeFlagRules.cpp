#include "ChangeFlagRules.h"

#include <cstring>

namespace orvix {
namespace {

template <typename T>
bool Differs(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof a) != 0;
}

bool ReportFieldsDiffer(const ProfileRecord& a, const ProfileRecord& b) {
  return a.HDDKeyboard != b.HDDKeyboard || a.Orientation != b.Orientation || a.XYSynchronous != b.XYSynchronous ||
         a.Sensitivity_X != b.Sensitivity_X || a.Sensitivity_Y != b.Sensitivity_Y || a.Sensitivity != b.Sensitivity ||
         Differs(a.dpi, b.dpi) || a.Cpi_X != b.Cpi_X || a.Cpi_Y != b.Cpi_Y || a.XYCpiFlag != b.XYCpiFlag ||
         Differs(a.CpiLevel_X, b.CpiLevel_X) || Differs(a.CpiLevel_Y, b.CpiLevel_Y) || a.PollingRate != b.PollingRate ||
         a.LightOnFlag != b.LightOnFlag || a.LightEffectMode != b.LightEffectMode ||
         a.LightColorFlow != b.LightColorFlow || a.LightEffectType != b.LightEffectType ||
         a.LightEffectSpeed != b.LightEffectSpeed || a.LtChoseType != b.LtChoseType ||
         Differs(a.LightInfo, b.LightInfo) || Differs(a.CustomLightInfo, b.CustomLightInfo);
}

}  // namespace

ChangeFlags ComputeChangeFlags(const SharedDataBlock& working, const SharedDataBlock& applied) {
  ChangeFlags flags{};
  for (int p = 0; p < kProfiles; ++p) {
    const ProfileRecord& now = working.config.profiles[p];
    const ProfileRecord& before = applied.config.profiles[p];
    flags.settings[p] = ReportFieldsDiffer(now, before) ? 1 : 0;
    for (int s = 0; s < kButtonSlots; ++s)
      flags.button[p][s] = working.flags.button[p][s] != 0 || Differs(now.MacroKeyInfo[s], before.MacroKeyInfo[s]);
  }
  flags.currentProfile = working.config.CurrentProfile != applied.config.CurrentProfile ? 1 : 0;
  flags.tracking = working.config.LiftOnFlag != applied.config.LiftOnFlag ||
                   working.config.TrackControlFlag != applied.config.TrackControlFlag;
  return flags;
}

}  // namespace orvix
