#include <gtest/gtest.h>

#include <cstdlib>

#include "FakeInput.h"
#include "actions/MacroPlayer.h"
#include "actions/MacroTrigger.h"

namespace orvix::test {
namespace {

constexpr std::uint8_t kA = 4, kB = 5, kLeftShift = 225;
using std::chrono::milliseconds;

MacroEvent Press(std::uint8_t key, std::uint16_t delay) { return {key, kKeyPress, delay}; }
MacroEvent Release(std::uint8_t key, std::uint16_t delay) { return {key, kKeyRelease, delay}; }

struct Rig {
  explicit Rig(PlaybackTime granularity = PlaybackTime(0)) : clock(granularity), input(clock) {}
  void Play(std::vector<MacroEvent> events, int loops = 1) {
    PlayMacro(events.data(), 0, static_cast<int>(events.size()), loops, state, {input, keys, clock, trace});
  }
  long long AtMs(std::size_t i) const { return std::chrono::duration_cast<milliseconds>(input.events[i].at).count(); }

  FakeClock clock;
  RecordingInput input;
  FakeKeys keys;
  NullTrace trace;
  MacroPlaybackState state;
};

// Stops the playback when the n-th input event is sent, as a second button press would.
class StopAfter : public InputSink {
 public:
  StopAfter(InputSink& next, MacroPlaybackState& state, std::size_t n) : next_(next), state_(state), n_(n) {}
  void Key(std::uint8_t vk, std::uint8_t scan, bool up) override { next_.Key(vk, scan, up); Count(); }
  void Mouse(std::uint32_t flags, std::int32_t data) override { next_.Mouse(flags, data); Count(); }

 private:
  void Count() {
    if (++sent_ == n_) state_.stop = true;
  }
  InputSink& next_;
  MacroPlaybackState& state_;
  std::size_t n_, sent_ = 0;
};

}  // namespace

TEST(MacroPlayer, PlaysEventsWithTheirDelaysAndLoops) {
  Rig rig;
  rig.Play({Press(kA, 10), Release(kA, 0), Press(kB, 20), Release(kB, 5)}, 3);
  ASSERT_EQ(rig.input.events.size(), 12u);
  EXPECT_EQ(rig.input.Names()[0], "41+");
  EXPECT_EQ(rig.input.Names()[3], "42-");
  EXPECT_EQ(rig.AtMs(1), 10);  // A up after A's 10 ms
  EXPECT_EQ(rig.AtMs(2), 11);  // a delay of 0 is played as 1 ms
  EXPECT_EQ(rig.AtMs(4), 36);  // the second pass starts from the first event
  EXPECT_EQ(rig.state.remainingLoops, 0);
}

TEST(MacroPlayer, LongPressIsHeldThenRepeatedLikeTheKeyboard) {
  Rig rig;
  rig.Play({Press(kA, 1000), Release(kA, 10)});
  const auto names = rig.input.Names();
  ASSERT_GE(names.size(), 4u);
  EXPECT_EQ(names.front(), "41+");
  EXPECT_EQ(names.back(), "41-");
  EXPECT_EQ(rig.AtMs(1), 500);  // the first repeat comes after 500 ms
  const std::size_t pairs = (names.size() - 2) / 2;
  EXPECT_EQ(pairs, 16u);        // ceil(500 / 33)
  for (std::size_t i = 1; i + 1 < names.size(); i += 2) {
    EXPECT_EQ(names[i], "41-");
    EXPECT_EQ(names[i + 1], "41+");
    if (i >= 3) {
      EXPECT_EQ(rig.AtMs(i) - rig.AtMs(i - 2), 33);
    }
  }
}

TEST(MacroPlayer, StoppingReleasesWhatIsHeldNewestFirst50msApart) {
  Rig rig;
  StopAfter stopping(rig.input, rig.state, 2);  // stop once Shift and A are down
  const std::vector<MacroEvent> events = {Press(kLeftShift, 5), Press(kA, 5), Press(kB, 5), Release(kB, 5)};
  PlayMacro(events.data(), 0, 4, 1, rig.state, {stopping, rig.keys, rig.clock, rig.trace});
  EXPECT_EQ(rig.input.Names(), (std::vector<std::string>{"10+", "41+", "41-", "10-"}));
  EXPECT_EQ(rig.AtMs(3) - rig.AtMs(2), 50);
  EXPECT_EQ(rig.state.remainingLoops, 1);
}

TEST(MacroPlayer, NothingStaysPressedWhenAMacroEndsHoldingKeys) {
  Rig rig;
  rig.Play({Press(kA, 5), Press(240, 5), Release(kB, 5)});  // B was never pressed: still sent
  EXPECT_EQ(rig.input.Names(), (std::vector<std::string>{"41+", "M2/0", "42-", "M4/0", "41-"}));
}

TEST(MacroPlayer, MouseKeysAndUnknownKeys) {
  Rig rig;
  rig.Play({Press(243, 1), Release(243, 1), Press(244, 1), Release(244, 1), Press(241, 1), Release(241, 1),
            Press(99, 7), Release(99, 7), {kA, 3, 9}});
  EXPECT_EQ(rig.input.Names(), (std::vector<std::string>{"M80/2", "M100/2", "M80/1", "M100/1", "M8/0", "M10/0"}));
  // The unknown key sends nothing but keeps its time; the invalid direction takes none.
  EXPECT_EQ(rig.clock.Now(), milliseconds(6 + 14));
}

TEST(MacroPlayer, DeadlinesDoNotDriftOnACoarseSystemTimer) {
  Rig rig(std::chrono::microseconds(15625));
  std::vector<MacroEvent> events;
  int total = 0;
  for (int i = 0; i < 250; ++i) {
    const auto delay = static_cast<std::uint16_t>(1 + (i * 7) % 40);
    events.push_back(Press(kA, delay));
    events.push_back(Release(kA, delay));
    total += 2 * delay;
  }
  rig.Play(events);
  const auto last = std::chrono::duration_cast<std::chrono::microseconds>(rig.input.events.back().at).count();
  const long long lastDelay = events.back().delay;
  // Every event is sent at its own deadline rounded up once, never later by more than one tick.
  EXPECT_LE(std::llabs(last - (total - lastDelay) * 1000), 15625);
}

TEST(MacroPlayer, ASlowFirstSendDoesNotShortenTheGapsAfterIt) {
  Rig rig;
  class SlowFirst : public InputSink {
   public:
    SlowFirst(InputSink& next, FakeClock& clock) : next_(next), clock_(clock) {}
    void Key(std::uint8_t vk, std::uint8_t scan, bool up) override {
      if (first_) clock_.Advance(milliseconds(40));
      first_ = false;
      next_.Key(vk, scan, up);
    }
    void Mouse(std::uint32_t flags, std::int32_t data) override { next_.Mouse(flags, data); }

   private:
    InputSink& next_;
    FakeClock& clock_;
    bool first_ = true;
  } slow(rig.input, rig.clock);
  const std::vector<MacroEvent> events = {Press(kA, 30), Release(kA, 30), Press(kB, 5)};
  PlayMacro(events.data(), 0, 3, 1, rig.state, {slow, rig.keys, rig.clock, rig.trace});
  EXPECT_EQ(rig.AtMs(1) - rig.AtMs(0), 30);
  EXPECT_EQ(rig.AtMs(2) - rig.AtMs(1), 30);
}

TEST(MacroTrigger, ASecondPressStopsInsteadOfStartingAgain) {
  FakeClock clock;
  MacroPlaybackState state;
  ButtonAssignment slot{};
  slot.function = 48;
  slot.eventCount = 2;
  slot.loopCount = -4;
  slot.events[0] = Press(kA, 5);
  int posted = 0;
  auto post = [&] { ++posted; return true; };
  EXPECT_EQ(TriggerMacro(slot, state, clock, post), MacroTriggerResult::kStarted);
  EXPECT_EQ(state.loopCount, 1);
  EXPECT_EQ(TriggerMacro(slot, state, clock, post), MacroTriggerResult::kStopRequested);
  EXPECT_TRUE(state.stop.load());
  EXPECT_EQ(posted, 1);

  state.playing = false;
  slot.eventCount = 0;
  EXPECT_EQ(TriggerMacro(slot, state, clock, post), MacroTriggerResult::kIgnored);
  slot.eventCount = 60000;  // more than a slot can hold
  EXPECT_EQ(TriggerMacro(slot, state, clock, post), MacroTriggerResult::kStarted);
  EXPECT_EQ(state.eventCount, kMaxMacroEvents);
  EXPECT_FALSE(state.stop.load());
}

}  // namespace orvix::test
