#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "FakePorts.h"
#include "core/UsageStatistics.h"

namespace orvix {
namespace {

constexpr std::uint16_t kClick = 0xE100;
constexpr std::uint16_t kWheel = 0xE600;
constexpr std::uint16_t kDistance = 0xEA00;
constexpr std::uint16_t kEventA = 0xEE00;
constexpr std::uint16_t kNoCounter = 0xE800;

bool Unlocked(const StatisticsBlock& s, int number) { return s.achievement[number - 1] == 1; }

TEST(CounterOfEventClass, ClassesFeedTheirCounters) {
  EXPECT_EQ(CounterOfEventClass(0xE100), 0);
  EXPECT_EQ(CounterOfEventClass(0xE500), 4);
  EXPECT_EQ(CounterOfEventClass(0xE700), 6);
  EXPECT_EQ(CounterOfEventClass(0xEA00), 9);
  EXPECT_EQ(CounterOfEventClass(0xEE00), 10);
  EXPECT_EQ(CounterOfEventClass(0xED00), 11);
  EXPECT_EQ(CounterOfEventClass(0xEF00), 12);
  for (std::uint16_t none : {0xE800, 0xE900, 0xEB00, 0xEC00, 0xE000, 0xE150}) EXPECT_EQ(CounterOfEventClass(none), -1);
}

TEST(Achievements, ChainUnlocksOneStepPerEvent) {
  StatisticsBlock s{};
  auto r = ApplyCounterEvent(s, kEventA, 30000);
  EXPECT_TRUE(r.counterChanged);
  EXPECT_TRUE(r.unlocked);
  EXPECT_TRUE(Unlocked(s, 1));
  EXPECT_FALSE(Unlocked(s, 2));
  EXPECT_EQ(s.lastAchievement, 1);

  ApplyCounterEvent(s, kClick, 1);
  EXPECT_TRUE(Unlocked(s, 2));
  EXPECT_FALSE(Unlocked(s, 3));
  EXPECT_EQ(s.lastAchievement, 2);
  ApplyCounterEvent(s, kWheel, 1);
  EXPECT_TRUE(Unlocked(s, 3));

  r = ApplyCounterEvent(s, kClick, 1);
  EXPECT_FALSE(r.unlocked);
  EXPECT_EQ(s.lastAchievement, 3);
}

TEST(Achievements, DistanceIsHalfTheCounter) {
  StatisticsBlock s{};
  s.counter[9] = 19998;
  ApplyCounterEvent(s, kDistance, 1);
  EXPECT_FALSE(Unlocked(s, 7));
  ApplyCounterEvent(s, kDistance, 1);
  EXPECT_TRUE(Unlocked(s, 7));
}

TEST(Achievements, ClassWithoutCounterStillUnlocks) {
  StatisticsBlock s{};
  s.counter[5] = 20000;
  s.counter[6] = 10000;
  const StatisticsBlock before = s;
  const auto r = ApplyCounterEvent(s, kNoCounter, 500);
  EXPECT_FALSE(r.counterChanged);
  EXPECT_TRUE(r.unlocked);
  EXPECT_TRUE(Unlocked(s, 10));
  EXPECT_EQ(std::memcmp(s.counter, before.counter, sizeof s.counter), 0);
}

TEST(Achievements, AtMostOnePerGroupAndTheFinalOneAfterTwelve) {
  StatisticsBlock s{};
  s.counter[10] = 1000000;
  s.counter[0] = 2000000;
  s.counter[9] = 3000000;
  s.counter[5] = 1000000;
  auto r = ApplyCounterEvent(s, kNoCounter, 0);
  for (int n : {1, 4, 7, 10}) EXPECT_TRUE(Unlocked(s, n)) << n;
  for (int n : {2, 5, 8, 11, 13}) EXPECT_FALSE(Unlocked(s, n)) << n;
  EXPECT_EQ(s.lastAchievement, 10);
  EXPECT_FALSE(r.everyTrophy);

  ApplyCounterEvent(s, kNoCounter, 0);
  r = ApplyCounterEvent(s, kNoCounter, 0);
  EXPECT_TRUE(r.unlocked);
  EXPECT_TRUE(r.everyTrophy);
  EXPECT_TRUE(Unlocked(s, 13));
  EXPECT_EQ(s.lastAchievement, 13);
}

TEST(Achievements, HostileValuesNeitherOverflowNorBlockUnlocking) {
  StatisticsBlock s{};
  s.counter[0] = INT_MAX - 1;
  s.counter[1] = INT_MAX;  // the click sum passes the 32-bit range
  s.achievement[3] = -1;   // neither 0 nor 1: counts as locked
  auto r = ApplyCounterEvent(s, kClick, 1);
  EXPECT_EQ(s.counter[0], INT_MAX);
  EXPECT_TRUE(r.unlocked);
  EXPECT_EQ(s.achievement[3], 1);

  r = ApplyCounterEvent(s, kClick, 1);
  EXPECT_EQ(s.counter[0], INT_MIN);  // plain wrapping 32-bit addition
  EXPECT_FALSE(Unlocked(s, 5));      // the sum fell back below 500000
}

TEST(FirstRunRecord, WrittenOnceWithTheLocalTime) {
  test::FakeIni ini;
  test::FakeClock clock;
  WriteFirstRunRecord(ini, clock, "C:\\O\\");
  const std::string file = "C:\\O\\RunsStart.ini|StartTime|";
  EXPECT_EQ(ini.values.at(file + "Year"), 2024);
  EXPECT_EQ(ini.values.at(file + "Month"), 3);
  EXPECT_EQ(ini.values.at(file + "Day"), 9);
  EXPECT_EQ(ini.values.at(file + "Hour"), 14);
  EXPECT_EQ(ini.values.at(file + "Minute"), 5);

  clock.now = {2030, 1, 1, 0, 0};
  WriteFirstRunRecord(ini, clock, "C:\\O\\");
  EXPECT_EQ(ini.values.at(file + "Year"), 2024);

  test::FakeIni failing;
  failing.failCreate = true;
  WriteFirstRunRecord(failing, clock, "C:\\O\\");
  EXPECT_TRUE(failing.values.empty());
}

}  // namespace
}  // namespace orvix
