// The block the monitor shares with the configuration program: the configuration
// followed by the change flags that drive the apply cycle.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ConfigRecord.h"

namespace orvix {

inline constexpr char kSharedBlockName[] = "NORVEL_OrvixOne_Mouse_Share_Data";
inline constexpr char kSharedBlockMutexName[] = "Norvel_OrvixOne_Mouse_Mutex_Object";

#pragma pack(push, 1)

struct ChangeFlags {
  std::int32_t button[kProfiles][kButtonSlots];  // 1 = that button slot changed
  std::int32_t settings[kProfiles];              // 1 = the profile's report 6 fields changed
  std::int32_t currentProfile;                   // 1 = CurrentProfile changed
  std::int32_t tracking;                         // 1 = LiftOnFlag or TrackControlFlag changed
};

struct SharedDataBlock {
  ConfigRecord config;
  ChangeFlags flags;
};

#pragma pack(pop)

static_assert(sizeof(SharedDataBlock) == 314320);
static_assert(offsetof(SharedDataBlock, flags) == 313812);
static_assert(offsetof(SharedDataBlock, flags) + offsetof(ChangeFlags, settings) == 314292);
static_assert(offsetof(SharedDataBlock, flags) + offsetof(ChangeFlags, currentProfile) == 314312);
static_assert(offsetof(SharedDataBlock, flags) + offsetof(ChangeFlags, tracking) == 314316);

}  // namespace orvix
