#include <gtest/gtest.h>

#include <thread>

#include "InputRecorder_win.h"
#include "actions/HeldInputGuard.h"
#include "actions/MacroPlayer.h"
#include "actions/Shortcut.h"
#include "KeyboardLayout_win.h"
#include "actions/SystemInput_win.h"

namespace orvix::test {
namespace {

// The letters and Shift of the key table, enough for these macros.
class LetterKeys : public KeyTranslator {
 public:
  std::uint8_t VirtualKeyOf(std::uint8_t usage) const override {
    if (usage >= 4 && usage <= 29) return static_cast<std::uint8_t>('A' + usage - 4);
    return usage == 225 ? 0xA0 : 0;
  }
  std::uint8_t ScanCodeOf(std::uint8_t vk) const override {
    return static_cast<std::uint8_t>(ActiveKeyboardLayout().ScanCodeFromVirtualKey(vk));
  }
};

class NoTrace : public TraceSink {
 public:
  void Trace(const char*) override {}
};

struct Playback {
  SystemInput system;
  HeldInputGuard input{system};
  LetterKeys keys;
  PrecisionClock clock;
  NoTrace trace;
  MacroPlaybackState state;

  std::thread Start(std::vector<MacroEvent> events) {
    return std::thread([this, events] {
      PlayMacro(events.data(), 0, static_cast<int>(events.size()), 1, state, {input, keys, clock, trace});
    });
  }
};

}  // namespace

TEST(InjectedInput, MacroEventsReachTheSystemInOrder) {
  InputRecorder recorder;
  Playback playback;
  std::thread player = playback.Start({{4, 1, 20}, {4, 2, 20}, {225, 1, 5}, {5, 1, 5}, {5, 2, 5}, {225, 2, 5},
                                       {243, 1, 5}, {243, 2, 5}, {244, 1, 5}, {244, 2, 5}});
  ASSERT_TRUE(recorder.PumpUntil([&] { return recorder.events().size() >= 10; }, 10000));
  player.join();
  EXPECT_EQ(recorder.Names(),
            (std::vector<std::string>{"41+", "41-", "10+", "42+", "42-", "10-", "XB2+", "XB2-", "XB1+", "XB1-"}));
}

TEST(InjectedInput, ALongPressRepeatsAndAStopReleasesNewestFirst) {
  InputRecorder recorder;
  Playback playback;
  std::thread player = playback.Start({{225, 1, 5}, {4, 1, 1000}, {4, 2, 5}, {225, 2, 5}});
  // Stop while A auto-repeats: A comes up, then Shift.
  ASSERT_TRUE(recorder.PumpUntil([&] { return recorder.events().size() >= 10; }, 10000));
  playback.state.stop = true;
  playback.clock.Interrupt();
  recorder.PumpUntil([&] { return false; }, 300);
  player.join();
  const auto names = recorder.Names();
  ASSERT_GE(names.size(), 6u);
  EXPECT_EQ(names[0], "10+");
  EXPECT_EQ(names[1], "41+");
  EXPECT_EQ(names[2], "41-");  // the first repeat
  EXPECT_EQ(names[3], "41+");
  EXPECT_EQ(names[names.size() - 2], "41-");
  EXPECT_EQ(names.back(), "10-");
  EXPECT_FALSE(playback.input.AnythingHeld());
}

TEST(InjectedInput, AShortcutWithCtrlAndShiftIsPressedRepeatedAndLetGoInReverse) {
  InputRecorder recorder;
  Playback playback;
  const ShortcutPorts ports{playback.input, playback.keys, playback.clock};
  const ShortcutWord word{22, 0x06};  // S with modifier byte 0x06: Ctrl and Shift
  ShortcutPress(word, ports);
  ShortcutRepeat(word, ports);
  ShortcutRelease(word, ports);
  ASSERT_TRUE(recorder.PumpUntil([&] { return recorder.events().size() >= 8; }, 10000));
  EXPECT_EQ(recorder.Names(), (std::vector<std::string>{"11+", "10+", "53+", "53-", "53+", "53-", "10-", "11-"}));
  EXPECT_FALSE(playback.input.AnythingHeld());
}

}  // namespace orvix::test
