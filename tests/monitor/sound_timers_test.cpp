#include <gtest/gtest.h>

#include "FakePorts.h"
#include "core/SoundTimers.h"

namespace orvix {
namespace {

class RecordedSounds : public FeedbackSounds {
 public:
  void PlayFeedbackSound(int number) override { played.push_back(number); }
  std::vector<int> played;
};

class SoundTimersTest : public ::testing::Test {
 protected:
  void FireAll() {
    const auto running = timers_.running;
    for (const auto& entry : running)
      if (timers_.IsRunning(entry.first)) sounds_.OnTimer(entry.first);
  }

  test::FakeTimers timers_;
  RecordedSounds played_;
  Countdown countdown_{timers_, played_};
  SoundTimers sounds_{timers_, played_, countdown_};
};

TEST_F(SoundTimersTest, LaterSchedulingCancelsTheEarlierSound) {
  sounds_.Schedule(kProfileSoundTimerId, 41);
  sounds_.Schedule(kDpiSoundTimerId, 1600);
  EXPECT_EQ(timers_.running, (std::map<unsigned, unsigned>{{kDpiSoundTimerId, 500}}));
  FireAll();
  EXPECT_EQ(played_.played, std::vector<int>{1600});
  EXPECT_TRUE(timers_.running.empty());

  // A stale expiry of a stopped timer says nothing.
  EXPECT_TRUE(sounds_.OnTimer(kProfileSoundTimerId));
  EXPECT_EQ(played_.played.size(), 1u);
}

TEST_F(SoundTimersTest, TrophyLockHoldsOffAnnouncementsUntilItsTimerEnds) {
  sounds_.Schedule(kVolumeUpSoundTimerId, 32);
  sounds_.PlayTrophy(50);
  EXPECT_EQ(played_.played, std::vector<int>{50});
  EXPECT_TRUE(sounds_.trophyLocked());
  EXPECT_EQ(timers_.running, (std::map<unsigned, unsigned>{{kTrophyLockTimerId, 4000}}));

  sounds_.Schedule(kSensitivityUpSoundTimerId, 30);
  EXPECT_FALSE(timers_.IsRunning(kSensitivityUpSoundTimerId));

  EXPECT_TRUE(sounds_.OnTimer(kTrophyLockTimerId));
  EXPECT_FALSE(sounds_.trophyLocked());
  sounds_.Schedule(kSensitivityUpSoundTimerId, 30);
  EXPECT_TRUE(timers_.IsRunning(kSensitivityUpSoundTimerId));
}

TEST_F(SoundTimersTest, CountdownFinalPhaseSilencesAnnouncementsAndTrophies) {
  countdown_.Start(5);
  countdown_.Tick();
  ASSERT_TRUE(countdown_.finalPhase());
  played_.played.clear();
  sounds_.Schedule(kProfileSoundTimerId, 40);
  sounds_.PlayTrophy(51);
  EXPECT_FALSE(timers_.IsRunning(kProfileSoundTimerId));
  EXPECT_FALSE(timers_.IsRunning(kTrophyLockTimerId));
  EXPECT_TRUE(played_.played.empty());
}

TEST_F(SoundTimersTest, OnlyItsOwnTimersAreClaimed) {
  for (unsigned id : {500u, 502u, 600u, 604u, 609u, 611u, 102u}) EXPECT_FALSE(sounds_.OnTimer(id)) << id;
  sounds_.Schedule(604, 1);
  EXPECT_TRUE(timers_.running.empty());
}

}  // namespace
}  // namespace orvix
