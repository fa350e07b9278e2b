#include <gtest/gtest.h>

#include "FakePorts.h"
#include "core/Countdown.h"

namespace orvix {
namespace {

class RecordedSounds : public FeedbackSounds {
 public:
  void PlayFeedbackSound(int number) override { played.push_back(number); }
  std::vector<int> TakePlayed() { return std::exchange(played, {}); }
  std::vector<int> played;
};

class CountdownTest : public ::testing::Test {
 protected:
  // Ticks while timer 600 runs, at most `limit` times; returns the sounds of the ticks.
  std::vector<int> TickToTheEnd(int limit = 100) {
    for (int i = 0; i < limit && timers_.IsRunning(kCountdownTimerId); ++i) countdown_.Tick();
    return sounds_.TakePlayed();
  }

  test::FakeTimers timers_;
  RecordedSounds sounds_;
  Countdown countdown_{timers_, sounds_};
};

TEST_F(CountdownTest, TenSecondsCallsOutTenAndTheLastFive) {
  countdown_.Start(10);
  EXPECT_EQ(sounds_.TakePlayed(), (std::vector<int>{19, 10}));
  EXPECT_EQ(timers_.running.at(kCountdownTimerId), 1000u);

  for (int i = 0; i < 4; ++i) countdown_.Tick();  // 9..6 left
  EXPECT_TRUE(sounds_.TakePlayed().empty());
  EXPECT_FALSE(countdown_.finalPhase());
  countdown_.Tick();
  EXPECT_TRUE(countdown_.finalPhase());
  EXPECT_EQ(sounds_.TakePlayed(), std::vector<int>{5});

  EXPECT_EQ(TickToTheEnd(), (std::vector<int>{4, 3, 2, 1, 0}));
  EXPECT_FALSE(countdown_.running());
  EXPECT_FALSE(countdown_.finalPhase());
}

TEST_F(CountdownTest, ThreeSecondsStartsInItsFinalPhaseOnTheFirstTick) {
  countdown_.Start(3);
  EXPECT_EQ(sounds_.TakePlayed(), std::vector<int>{19});
  EXPECT_FALSE(countdown_.finalPhase());
  countdown_.Tick();
  EXPECT_TRUE(countdown_.finalPhase());
  EXPECT_EQ(sounds_.TakePlayed(), std::vector<int>{2});
  EXPECT_EQ(TickToTheEnd(), (std::vector<int>{1, 0}));
  EXPECT_FALSE(countdown_.running());
}

TEST_F(CountdownTest, StopSpeaksOnlyWhenRunning) {
  countdown_.Stop();
  EXPECT_TRUE(sounds_.played.empty());

  countdown_.Start(4);
  countdown_.Tick();
  ASSERT_TRUE(countdown_.finalPhase());
  sounds_.TakePlayed();
  countdown_.Stop();
  EXPECT_EQ(sounds_.TakePlayed(), std::vector<int>{18});
  EXPECT_FALSE(countdown_.running());
  EXPECT_FALSE(countdown_.finalPhase());
  EXPECT_FALSE(timers_.IsRunning(kCountdownTimerId));

  countdown_.Tick();  // already queued when it stopped
  EXPECT_TRUE(sounds_.played.empty());
}

TEST_F(CountdownTest, NonPositiveTimesCountNothingDown) {
  for (int seconds : {0, -1, -2147483647 - 1}) {
    countdown_.Start(seconds);
    EXPECT_FALSE(countdown_.running()) << seconds;
    EXPECT_FALSE(timers_.IsRunning(kCountdownTimerId));
  }
  EXPECT_TRUE(sounds_.played.empty());

  countdown_.Start(8);
  countdown_.Tick();
  countdown_.Start(0);  // leaves the running countdown alone
  EXPECT_TRUE(countdown_.running());
  EXPECT_EQ(countdown_.remaining(), 7);
}

TEST_F(CountdownTest, NewCountdownReplacesOneInItsFinalPhase) {
  countdown_.Start(2);
  countdown_.Tick();
  ASSERT_TRUE(countdown_.finalPhase());
  countdown_.Start(30);
  EXPECT_FALSE(countdown_.finalPhase());
  EXPECT_EQ(countdown_.remaining(), 30);
  EXPECT_EQ(sounds_.TakePlayed(), (std::vector<int>{19, 1, 19}));
  EXPECT_EQ(TickToTheEnd(), (std::vector<int>{10, 5, 4, 3, 2, 1, 0}));
}

}  // namespace
}  // namespace orvix
