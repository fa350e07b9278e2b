#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "OptionFixtures_win.h"

namespace orvix::test {

// The apply cycle against the stand-in monitor: what the block and the files hold when the
// apply message comes, and what the program leaves alone.
using OptionApply = WithStandIn;

TEST_F(OptionApply, TheSlotIsInTheBlockAndTheFilesBeforeTheMonitorIsTold) {
  // Flags that the monitor left in the block are its own: the program hands back its own.
  monitor_->Change([](SharedDataBlock& block) {
    for (auto& profile : block.flags.button)
      for (auto& flag : profile) flag = 1;
    block.flags.settings[3] = 1;
    block.flags.tracking = 1;
  });
  ASSERT_TRUE(Start());
  ASSERT_TRUE(ClickThenApply(L"Profile 3"));

  EXPECT_EQ(CompareMessages(monitor_->received(), {{WM_MON_APPLY_ALL, 0, 0}}), "");
  const ReceivedMessage& apply = *monitor_->Last(WM_MON_APPLY_ALL);
  EXPECT_EQ(apply.block->config.CurrentProfile, 2);
  EXPECT_EQ(SetFlags(apply.block->flags), "currentProfile=1");
  ASSERT_TRUE(apply.configIni.has_value());
  EXPECT_EQ(IniInt(*apply.configIni, "Setting", "CurrentProfile"), 2);
  EXPECT_FALSE(apply.okEnabled) << "OK stays enabled while the monitor works";
  EXPECT_FALSE(apply.applyEnabled) << "Apply stays enabled while the monitor works";
  EXPECT_TRUE(program_->Enabled(L"OK"));
  EXPECT_TRUE(program_->Enabled(L"Apply"));
  EXPECT_EQ(program_->CheckedSlot(), 2);

  // A second Apply without edits still tells the monitor, with every flag 0.
  monitor_->Clear();
  ASSERT_TRUE(program_->Click(L"Apply"));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_APPLY_ALL, 10000));
  EXPECT_EQ(CompareMessages(monitor_->received(), {{WM_MON_APPLY_ALL, 0, 0}}), "");
  EXPECT_EQ(SetFlags(monitor_->Last(WM_MON_APPLY_ALL)->block->flags), "none");
  EXPECT_EQ(monitor_->Last(WM_MON_APPLY_ALL)->block->config.CurrentProfile, 2);
  EXPECT_TRUE(WaitUntilIdle());
}

TEST_F(OptionApply, TheMergeKeepsWhatTheMonitorWroteAfterTheProgramRead) {
  ASSERT_TRUE(Start());
  // The monitor counts clicks and the mouse changed another profile meanwhile.
  const int clicks = config_->InfoData.counter[0] + 1234;
  monitor_->Change([&](SharedDataBlock& block) {
    block.config.InfoData.counter[0] = clicks;
    block.config.profiles[4].CpiLevel_X[1] = 33;
    std::strcpy(block.config.profiles[0].ProFileName, "Renamed Meanwhile");
  });
  ASSERT_TRUE(ClickThenApply(L"Profile 4"));

  const SharedDataBlock& handed = *monitor_->Last(WM_MON_APPLY_ALL)->block;
  EXPECT_EQ(handed.config.CurrentProfile, 3);
  EXPECT_EQ(handed.config.InfoData.counter[0], clicks);
  EXPECT_EQ(handed.config.profiles[4].CpiLevel_X[1], 33);
  EXPECT_EQ(NameText(handed.config.profiles[0].ProFileName, sizeof handed.config.profiles[0].ProFileName),
            "Renamed Meanwhile");
  // Not the user's edits: no profile is marked.
  EXPECT_EQ(SetFlags(handed.flags), "currentProfile=1");
  // The files hold what the block holds.
  const auto profile4 = ReadWholeFile(install_.Path("config\\Default4.nmp"));
  ASSERT_TRUE(profile4.has_value());
  EXPECT_EQ(IniInt(*profile4, "Setting", "CpiLevel_X1"), 33);
  // And the program shows the monitor's state from now on.
  EXPECT_TRUE(PumpUntil([&] { return program_->Names().at(0) == L"Renamed Meanwhile"; }, 5000))
      << "shows " << testing::PrintToString(program_->Names());
}

TEST_F(OptionApply, OkAppliesAndClosesOnceTheMonitorAnswered) {
  monitor_->SetAnswerDelay(1000);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(program_->Click(L"Profile 4"));
  ASSERT_TRUE(program_->Click(L"OK"));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_APPLY_ALL, 10000));
  const ReceivedMessage& apply = *monitor_->Last(WM_MON_APPLY_ALL);
  EXPECT_FALSE(program_->HasExited()) << "closed before the monitor answered";
  ASSERT_TRUE(program_->WaitForExit(10000));
  EXPECT_EQ(apply.block->config.CurrentProfile, 3);
  EXPECT_EQ(SetFlags(apply.block->flags), "currentProfile=1");
  EXPECT_EQ(ConfigInt(install_.folder(), "CurrentProfile"), 3);
  EXPECT_EQ(CompareMessages(monitor_->received(), {{WM_MON_APPLY_ALL, 0, 0}}), "");
  EXPECT_EQ(program_->ExitCode(), 0u);
  EXPECT_FALSE(ReadWholeFile(install_.Path("config\\UnappliedChanges.dat")).has_value());
}

TEST_F(OptionApply, CancelExitAndACloseSendNothingAndChangeNoFile) {
  ASSERT_TRUE(WriteConfiguration(install_.folder(), *config_));
  const auto before = ConfigurationFiles(install_.folder());
  ASSERT_EQ(before.size(), 6u);
  const std::string kept = install_.Path("config\\UnappliedChanges.dat");

  for (const wchar_t* button : {L"Cancel", L"Exit"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(button)));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(program_->Click(L"Profile 5"));  // discarded by the user's close
    ASSERT_TRUE(program_->Click(button));
    EXPECT_TRUE(program_->WaitForExit(10000));
    EXPECT_EQ(CompareMessages(monitor_->received(), {}), "");
    EXPECT_TRUE(ConfigurationFiles(install_.folder()) == before) << "a file changed";
    EXPECT_FALSE(ReadWholeFile(kept).has_value()) << "the user's own close kept the edits";
  }
  // Closed from outside without edits: nothing to keep either.
  ASSERT_TRUE(Start());
  ::PostMessageW(program_->window(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(program_->WaitForExit(10000));
  EXPECT_EQ(CompareMessages(monitor_->received(), {}), "");
  EXPECT_TRUE(ConfigurationFiles(install_.folder()) == before) << "a file changed";
  EXPECT_FALSE(ReadWholeFile(kept).has_value());
  EXPECT_EQ(monitor_->Block()->config.CurrentProfile, 1);
}

TEST_F(OptionApply, ACloseFromOutsideKeepsTheEditForTheNextStartUntilAnswered) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(program_->Click(L"Profile 5"));
  ASSERT_TRUE(PumpUntil([&] { return program_->CheckedSlot() == 4; }, 5000));
  ::PostMessageW(program_->window(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(program_->WaitForExit(10000));
  EXPECT_EQ(CompareMessages(monitor_->received(), {}), "");
  EXPECT_TRUE(ReadWholeFile(install_.Path("config\\UnappliedChanges.dat")).has_value());

  // No: the block's slot stays and the kept edit is gone.
  ASSERT_TRUE(Start());
  const HWND question = program_->WaitForPopup(L"No", 10000);
  ASSERT_NE(question, nullptr);
  EXPECT_NE(ChildButton(question, L"Yes"), nullptr);
  ASSERT_TRUE(program_->AnswerPopup(question, L"No"));
  EXPECT_EQ(program_->CheckedSlot(), 1);
  EXPECT_FALSE(ReadWholeFile(install_.Path("config\\UnappliedChanges.dat")).has_value());
  ASSERT_TRUE(program_->Click(L"Cancel"));
  ASSERT_TRUE(program_->WaitForExit(10000));
  ASSERT_TRUE(Start());
  PumpFor(500);
  EXPECT_TRUE(program_->Popups().empty()) << "asked again";
}

TEST_F(OptionApply, ASlowMonitorLeavesTheWindowAnsweringAndTheApplyFinishes) {
  monitor_->SetAnswerDelay(3000);
  std::vector<DWORD> waits;
  bool okEnabledMeanwhile = false;
  monitor_->WhileAnswering([&] {
    // A sent message is taken even by a window that waits in a send of its own; a posted
    // click only by one that is free: both must come through at once.
    const wchar_t* const tabs[] = {L"Button Assign", L"Main"};
    const DWORD start = ::GetTickCount();
    for (int i = 0; ::GetTickCount() - start < 2500; ++i) {
      const wchar_t* tab = tabs[i % 2];
      const DWORD sent = ::GetTickCount();
      const bool answered = program_->Answers(2000) && program_->Click(tab) &&
                            PumpUntil([&] { return program_->Checked(tab); }, 2000);
      waits.push_back(answered ? ::GetTickCount() - sent : 2000);
      okEnabledMeanwhile = okEnabledMeanwhile || program_->Enabled(L"OK");
      PumpFor(100);
    }
  });
  ASSERT_TRUE(Start());
  ASSERT_TRUE(ClickThenApply(L"Profile 5"));

  ASSERT_GE(waits.size(), 5u);
  for (DWORD wait : waits) EXPECT_LT(wait, 500u);
  EXPECT_FALSE(okEnabledMeanwhile);
  const ReceivedMessage& apply = *monitor_->Last(WM_MON_APPLY_ALL);
  EXPECT_GE(apply.answeredAt - apply.receivedAt, 3000u);
  EXPECT_EQ(apply.block->config.CurrentProfile, 4);
  EXPECT_EQ(program_->CheckedSlot(), 4);
  EXPECT_TRUE(program_->Popups().empty()) << "a notice for a monitor that answered";
  EXPECT_EQ(CompareMessages(monitor_->received(), {{WM_MON_APPLY_ALL, 0, 0}}), "");
}

}  // namespace orvix::test
