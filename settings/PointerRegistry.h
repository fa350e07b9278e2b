// The Windows pointer settings of a profile kept in step with the user's registry:
// "Control Panel\Mouse" and "Control Panel\Desktop" under HKEY_CURRENT_USER.
#pragma once

#include <array>
#include <optional>

#include "ProfileRecord.h"
#include "Registry.h"

namespace orvix {

// One entry of the Windows mouse acceleration settings.
struct AccelerationTriple {
  int speed;       // MouseSpeed
  int threshold1;  // MouseThreshold1
  int threshold2;  // MouseThreshold2
  bool operator==(const AccelerationTriple&) const = default;
};

constexpr int kAccelerationSteps = 20;
constexpr std::array<AccelerationTriple, kAccelerationSteps> kAccelerationTable = {{
    {0, 0, 0},  {1, 13, 0}, {1, 12, 0}, {1, 11, 0}, {1, 10, 0}, {1, 9, 0},  {1, 8, 0},
    {1, 7, 0},  {1, 6, 0},  {1, 5, 0},  {1, 4, 0},  {2, 4, 13}, {2, 4, 12}, {2, 4, 11},
    {2, 4, 10}, {2, 4, 9},  {2, 4, 8},  {2, 4, 7},  {2, 4, 6},  {2, 4, 5},
}};

// The table index a profile writes: 0 when acceleration is off or the index negative,
// 19 for 20 and above.
int AccelerationIndexToWrite(const ProfileRecord& profile);
// The last table index whose speed equals the registry's and whose thresholds are at
// least the registry's; nullopt when none matches.
std::optional<int> AccelerationIndexFromRegistry(const AccelerationTriple& registry);

// 1, or -1 when one of the two keys can neither be opened nor created.
int WritePointerRegistry(const ProfileRecord& profile, Registry& registry);
// 1; 0 when the Mouse key fails, -1 when the Desktop key fails. A value that cannot be
// read (missing, not a string, too long) leaves its profile fields unchanged; so do
// acceleration values of which one cannot be read.
int ReadPointerRegistry(ProfileRecord& profile, Registry& registry);

}  // namespace orvix
