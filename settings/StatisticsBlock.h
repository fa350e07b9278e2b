// Usage counters and achievement flags, stored as "InfoData".
#pragma once

#include <cstdint>

namespace orvix {

constexpr int kStatisticsCounters = 13;
constexpr int kAchievements = 13;

struct StatisticsBlock {
  std::int32_t counter[kStatisticsCounters];   // clicks 0..4, wheels 5..6, distance 9, events 10..12
  std::int32_t achievement[kAchievements];     // achievement n (1..13) unlocked: achievement[n - 1] == 1
  std::int32_t lastAchievement;                // number (1..13) of the achievement unlocked last
};

static_assert(sizeof(StatisticsBlock) == 27 * 4);

}  // namespace orvix
