// The whole configuration both programs load at start: "config.ini" values, the
// statistics and the five profiles. It is the first part of the shared block.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ProfileRecord.h"
#include "StatisticsBlock.h"

namespace orvix {

#pragma pack(push, 1)

struct ConfigRecord {
  std::int32_t CurrentProfile;   // 0..4, -1 when none is set
  std::int32_t WindowsProfile;   // profile when no linked game is in front, -1 = none
  std::int32_t QuickHelpLan;     // user-interface language index 0..16
  std::int32_t LiftOnFlag;
  std::int32_t TrackControlFlag;
  std::int32_t MouseType;
  StatisticsBlock InfoData;
  ProfileRecord profiles[kProfiles];
};

#pragma pack(pop)

static_assert(sizeof(ConfigRecord) == 313812);
static_assert(offsetof(ConfigRecord, WindowsProfile) == 4);
static_assert(offsetof(ConfigRecord, QuickHelpLan) == 8);
static_assert(offsetof(ConfigRecord, LiftOnFlag) == 12);
static_assert(offsetof(ConfigRecord, TrackControlFlag) == 16);
static_assert(offsetof(ConfigRecord, MouseType) == 20);
static_assert(offsetof(ConfigRecord, InfoData) == 24);
static_assert(offsetof(ConfigRecord, profiles) == 132);

// The current profile, or nullptr when CurrentProfile names no slot. Every user of the
// current profile goes through this: the field may hold anything another process wrote.
inline ProfileRecord* CurrentProfileRecord(ConfigRecord& c) {
  return c.CurrentProfile >= 0 && c.CurrentProfile < kProfiles ? &c.profiles[c.CurrentProfile] : nullptr;
}
inline const ProfileRecord* CurrentProfileRecord(const ConfigRecord& c) {
  return c.CurrentProfile >= 0 && c.CurrentProfile < kProfiles ? &c.profiles[c.CurrentProfile] : nullptr;
}

}  // namespace orvix
