#include <gtest/gtest.h>

#include "ButtonAssignment.h"
#include "FakeInput.h"
#include "actions/HeldInputGuard.h"
#include "actions/Shortcut.h"

namespace orvix::test {

TEST(Shortcut, ModifiersGoDownInOrderAndComeUpInReverse) {
  FakeClock clock;
  RecordingInput input(clock);
  FakeKeys keys;
  const ShortcutPorts ports{input, keys, clock};
  const ShortcutWord ctrlShiftA{4, static_cast<std::uint8_t>(kModifierCtrl | kModifierShift)};
  ShortcutPress(ctrlShiftA, ports);
  ShortcutRepeat(ctrlShiftA, ports);
  ShortcutRelease(ctrlShiftA, ports);
  EXPECT_EQ(input.Names(), (std::vector<std::string>{"11+", "10+", "41+", "41-", "41+", "41-", "10-", "11-"}));
}

TEST(Shortcut, TheNoneBitWinsAndModifierKeysDoNotRepeat) {
  FakeClock clock;
  RecordingInput input(clock);
  FakeKeys keys;
  const ShortcutPorts ports{input, keys, clock};
  ShortcutPress({4, static_cast<std::uint8_t>(kModifierNone | kModifierAlt | kModifierWin)}, ports);
  EXPECT_EQ(input.Names(), std::vector<std::string>{"41+"});
  input.events.clear();
  const ShortcutWord leftShift{225, kModifierNone};
  ShortcutPress(leftShift, ports);
  ShortcutRepeat(leftShift, ports);
  ShortcutRelease(leftShift, ports);
  EXPECT_EQ(input.Names(), (std::vector<std::string>{"10+", "10-"}));
}

TEST(HeldInputGuard, ReleasesWhatWasLeftDownNewestFirst) {
  FakeClock clock;
  RecordingInput system(clock);
  HeldInputGuard guard(system);
  guard.Key(0x11, 1, false);
  guard.Key(0x41, 2, false);
  guard.Mouse(kMouseXDown, kXButton2);
  guard.Key(0x41, 2, false);  // a repeat: still one key down
  guard.Mouse(kMouseXDown, kXButton1);
  guard.Mouse(kMouseXUp, kXButton1);
  EXPECT_TRUE(guard.AnythingHeld());
  system.events.clear();
  guard.ReleaseAll();
  EXPECT_EQ(system.Names(), (std::vector<std::string>{"M100/2", "41-", "11-"}));
  EXPECT_FALSE(guard.AnythingHeld());
}

}  // namespace orvix::test
