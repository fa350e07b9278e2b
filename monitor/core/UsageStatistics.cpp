#include "core/UsageStatistics.h"

#include <array>

namespace orvix {
namespace {

constexpr int kFinalAchievement = 13;

struct AchievementGroup {
  std::int64_t (*sum)(const StatisticsBlock&);
  int firstAchievement;  // numbers firstAchievement .. firstAchievement + 2
  std::array<std::int64_t, 3> thresholds;
};

// Sums in 64 bits: two counters near the 32-bit limit must not overflow.
std::int64_t Counter(const StatisticsBlock& s, int i) { return s.counter[i]; }
std::int64_t Events(const StatisticsBlock& s) { return Counter(s, 10) + Counter(s, 11); }
std::int64_t Clicks(const StatisticsBlock& s) {
  return Counter(s, 0) + Counter(s, 1) + Counter(s, 2) + Counter(s, 3) + Counter(s, 4);
}
std::int64_t Distance(const StatisticsBlock& s) { return Counter(s, 9) / 2; }
std::int64_t Scrolls(const StatisticsBlock& s) { return Counter(s, 5) + Counter(s, 6); }

constexpr std::array<AchievementGroup, 4> kGroups{{
    {Events, 1, {1000, 10000, 25000}},
    {Clicks, 4, {50000, 500000, 1000000}},
    {Distance, 7, {10000, 500000, 1000000}},
    {Scrolls, 10, {30000, 200000, 500000}},
}};

bool Unlocked(const StatisticsBlock& s, int number) { return s.achievement[number - 1] == 1; }

void Unlock(StatisticsBlock& s, int number) {
  s.achievement[number - 1] = 1;
  s.lastAchievement = number;
}

}  // namespace

int CounterOfEventClass(std::uint16_t eventClass) {
  switch (eventClass) {
    case 0xE100: return 0;
    case 0xE200: return 1;
    case 0xE300: return 2;
    case 0xE400: return 3;
    case 0xE500: return 4;
    case 0xE600: return 5;
    case 0xE700: return 6;
    case 0xEA00: return 9;
    case 0xEE00: return 10;
    case 0xED00: return 11;
    case 0xEF00: return 12;
    default: return -1;
  }
}

CounterEventResult ApplyCounterEvent(StatisticsBlock& statistics, std::uint16_t eventClass, std::uint16_t increment) {
  CounterEventResult result;
  if (const int counter = CounterOfEventClass(eventClass); counter >= 0) {
    const auto sum = static_cast<std::uint32_t>(statistics.counter[counter]) + increment;
    statistics.counter[counter] = static_cast<std::int32_t>(sum);
    result.counterChanged = true;
  }

  for (const AchievementGroup& group : kGroups) {
    const std::int64_t sum = group.sum(statistics);
    for (int step = 0; step < 3; ++step) {
      const int number = group.firstAchievement + step;
      if (Unlocked(statistics, number)) continue;
      if (sum >= group.thresholds[step]) {
        Unlock(statistics, number);
        result.unlocked = true;
      }
      break;  // the first locked achievement of the chain decides
    }
  }

  if (result.unlocked) {
    bool all = true;
    for (int number = 1; number < kFinalAchievement; ++number) all = all && Unlocked(statistics, number);
    if (all) {
      Unlock(statistics, kFinalAchievement);
      result.everyTrophy = true;
    }
  }
  return result;
}

void WriteFirstRunRecord(IniFilePort& ini, ClockPort& clock, const std::string& installFolder) {
  const std::string path = installFolder + "RunsStart.ini";
  if (ini.FileExists(path)) return;
  if (!ini.CreateEmptyFile(path)) return;
  const LocalTime now = clock.Now();
  constexpr char kSection[] = "StartTime";
  ini.WriteInt(path, kSection, "Year", now.year);
  ini.WriteInt(path, kSection, "Month", now.month);
  ini.WriteInt(path, kSection, "Day", now.day);
  ini.WriteInt(path, kSection, "Hour", now.hour);
  ini.WriteInt(path, kSection, "Minute", now.minute);
}

}  // namespace orvix
