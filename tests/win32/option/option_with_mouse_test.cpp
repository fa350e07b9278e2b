#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "OptionWithMouse_win.h"

namespace orvix::test {

TEST_F(OptionWithMouse, TheProgramsSlotReachesTheMouseAndTheMousesChangesReachTheProgram) {
  const MouseState first = Dump();
  ASSERT_GE(first.profile, 0) << Mouse("dump").output;
  EXPECT_EQ(program_->CheckedSlot(), first.profile);

  // The program's own controls: a slot, then Apply.
  const int chosen = (first.profile + 2) % kProfiles;
  ASSERT_TRUE(program_->Click(WithNumber(L"Profile %d", chosen + 1)));
  ASSERT_TRUE(program_->Click(L"Apply"));
  EXPECT_TRUE(PumpUntil([&] { return Dump().profile == chosen; }, 15000)) << Mouse("dump").output;
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(ConfigInt(install_.folder(), "CurrentProfile"), chosen);

  // The mouse's Profile Up button: the program's slot follows.
  ASSERT_EQ(Mouse("tap 16").exitCode, 0u);
  const int next = (chosen + 1) % kProfiles;
  EXPECT_TRUE(PumpUntil([&] { return program_->CheckedSlot() == next; }, 10000))
      << "checked: " << program_->CheckedSlot();

  // The mouse's DPI Up button changes the level; a later Apply does not undo it.
  const MouseState beforeDpi = Dump();
  ASSERT_EQ(beforeDpi.profile, next);
  const BlockClient block = OpenBlockWhenReady(5000);
  ASSERT_TRUE(block);
  auto shared = std::make_unique<SharedDataBlock>();
  ASSERT_TRUE(block.CopyIn(*shared));
  const int levelBefore = shared->config.profiles[next].Cpi_X;
  ASSERT_EQ(Mouse("tap 7").exitCode, 0u);
  ASSERT_TRUE(PumpUntil([&] { return block.CopyIn(*shared) && shared->config.profiles[next].Cpi_X != levelBefore; },
                        10000));
  const int levelAfter = shared->config.profiles[next].Cpi_X;
  EXPECT_EQ(Dump().level, levelAfter);
  PumpFor(300);  // the level notice reaches the program
  ASSERT_TRUE(program_->Click(L"Apply"));
  PumpFor(300);
  ASSERT_TRUE(WaitUntilIdle());
  const MouseState afterApply = Dump();
  EXPECT_EQ(afterApply.profile, next);
  EXPECT_EQ(afterApply.level, levelAfter) << "the Apply took the mouse's level back";
  ASSERT_TRUE(block.CopyIn(*shared));
  EXPECT_EQ(shared->config.profiles[next].Cpi_X, levelAfter);
  EXPECT_FALSE(monitor_->HasExited());
}

TEST_F(OptionWithMouse, UnpluggingClosesTheProgramAndTheNextStartOffersTheUnappliedSlot) {
  const int first = Dump().profile;
  ASSERT_GE(first, 0);
  const int chosen = (first + 3) % kProfiles;
  ASSERT_TRUE(program_->Click(WithNumber(L"Profile %d", chosen + 1)));
  ASSERT_TRUE(PumpUntil([&] { return program_->CheckedSlot() == chosen; }, 5000));

  ASSERT_EQ(Mouse("unplug").exitCode, 0u);
  ASSERT_TRUE(program_->WaitForExit(10000)) << "the program stayed after the mouse was unplugged";
  EXPECT_TRUE(ReadWholeFile(install_.Path("config\\UnappliedChanges.dat")).has_value());
  EXPECT_EQ(Dump().profile, first);

  ASSERT_EQ(Mouse("replug").exitCode, 0u);
  ASSERT_TRUE(WaitForFullRead());
  ASSERT_TRUE(StartProgram());
  const HWND question = program_->WaitForPopup(L"Yes", 10000);
  ASSERT_NE(question, nullptr) << "no question about the kept edit";
  EXPECT_NE(ChildButton(question, L"No"), nullptr);
  ASSERT_TRUE(program_->AnswerPopup(question, L"Yes"));
  EXPECT_TRUE(PumpUntil([&] { return program_->CheckedSlot() == chosen; }, 5000))
      << "checked: " << program_->CheckedSlot();

  // And now it reaches the mouse.
  ASSERT_TRUE(program_->Click(L"Apply"));
  EXPECT_TRUE(PumpUntil([&] { return Dump().profile == chosen; }, 15000)) << Mouse("dump").output;
}

}  // namespace orvix::test
