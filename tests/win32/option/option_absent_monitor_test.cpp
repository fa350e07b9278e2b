#include <gtest/gtest.h>

#include <cstring>

#include "OptionFixtures_win.h"
#include "TextIds.h"

namespace orvix::test {

// Without a monitor, or with only a part of one: the program works from the files, says so
// on Apply, and hands the kept change over by itself once the monitor is there.
class OptionWithoutMonitor : public OptionTest {
 protected:
  void SetUp() override {
    config_ = SaneConfiguration(3);
    std::strcpy(config_->profiles[2].ProFileName, "From The File");
    ASSERT_TRUE(WriteConfiguration(install_.folder(), *config_));
  }

  // Apply of slot `label`: the notice that the monitor is absent comes, and is pressed away.
  void ApplyAndAnswerTheNotice(const std::wstring& label) {
    ASSERT_TRUE(program_->Click(label));
    ASSERT_TRUE(program_->Click(L"Apply"));
    const HWND notice = program_->WaitForPopup(L"OK", 10000);
    ASSERT_NE(notice, nullptr) << "no notice";
    EXPECT_NE(OptionProgram::PopupTexts(notice).find(TableText(kTextNoticeMonitorAbsent, kEnglish)), std::wstring::npos)
        << testing::PrintToString(OptionProgram::PopupTexts(notice));
    ASSERT_TRUE(program_->AnswerPopup(notice, L"OK"));
    EXPECT_TRUE(WaitUntilIdle());
  }

  // The monitor's start completes: the kept change arrives without another click; with
  // `once`, and nothing after it.
  void ExpectTheChangeHandedOverBy(StandInMonitor& monitor, int slot, bool once = false) {
    monitor.WatchButtons(program_->Button(L"OK"), program_->Button(L"Apply"));
    ASSERT_TRUE(monitor.WaitFor(WM_MON_APPLY_ALL, 8000)) << "not handed over by itself";
    const ReceivedMessage& apply = *monitor.Last(WM_MON_APPLY_ALL);
    ASSERT_TRUE(apply.block);
    EXPECT_EQ(apply.block->config.CurrentProfile, slot);
    EXPECT_EQ(SetFlags(apply.block->flags), "currentProfile=1");
    EXPECT_FALSE(apply.okEnabled);
    EXPECT_TRUE(WaitUntilIdle());
    if (once) PumpFor(2500);  // longer than a retry period: once handed over, nothing is sent again
    EXPECT_EQ(CompareMessages(monitor.received(), {{WM_MON_APPLY_ALL, 0, 0}}), "");
    EXPECT_TRUE(program_->Popups().empty());
  }

  std::unique_ptr<ConfigRecord> config_;
};

TEST_F(OptionWithoutMonitor, StartsFromTheFilesSavesOnApplyAndHandsOverOnceTheMonitorRuns) {
  ASSERT_TRUE(Start());
  std::vector<std::wstring> names;
  for (const ProfileRecord& profile : config_->profiles) names.push_back(Wide(profile.ProFileName));
  EXPECT_EQ(program_->Names(), names);
  EXPECT_EQ(program_->CheckedSlot(), 3);

  ApplyAndAnswerTheNotice(L"Profile 2");
  if (HasFatalFailure()) return;
  EXPECT_EQ(ConfigInt(install_.folder(), "CurrentProfile"), 1);
  EXPECT_EQ(program_->CheckedSlot(), 1);

  // The monitor starts, from the files as they were when it read them.
  StandInMonitor monitor(*SaneConfiguration(3), install_.folder());
  ExpectTheChangeHandedOverBy(monitor, 1, true);
}

TEST_F(OptionWithoutMonitor, OkWithoutTheMonitorSavesAndKeepsTheChangeForTheNextStart) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(program_->Click(L"Profile 5"));
  ASSERT_TRUE(program_->Click(L"OK"));
  const HWND notice = program_->WaitForPopup(L"OK", 10000);
  ASSERT_NE(notice, nullptr) << "no notice";
  ASSERT_TRUE(program_->AnswerPopup(notice, L"OK"));
  ASSERT_TRUE(program_->WaitForExit(10000));
  EXPECT_EQ(ConfigInt(install_.folder(), "CurrentProfile"), 4);
  // Not handed to the mouse: offered again at the next start.
  EXPECT_TRUE(ReadWholeFile(install_.Path("config\\UnappliedChanges.dat")).has_value());
}

TEST_F(OptionWithoutMonitor, ABlockOfAnotherSizeIsNoMonitor) {
  auto other = std::make_unique<StandInMonitor>(*config_, install_.folder(), StandInMonitor::Parts{true, true, 4096});
  program_ = std::make_unique<OptionProgram>(install_.folder());
  // A mapping of the block's name that cannot be mapped at the block's size is told once.
  const HWND box = program_->WaitForPopup(L"OK", 20000);
  ASSERT_NE(box, nullptr);
  EXPECT_NE(OptionProgram::PopupTexts(box).find(L"Could not map view of file."), std::wstring::npos)
      << testing::PrintToString(OptionProgram::PopupTexts(box));
  ASSERT_TRUE(program_->AnswerPopup(box, L"OK"));
  ASSERT_NE(program_->WaitForWindow(), nullptr);
  EXPECT_EQ(program_->Names().at(2), L"From The File");

  ApplyAndAnswerTheNotice(L"Profile 5");
  if (HasFatalFailure()) return;
  EXPECT_EQ(ConfigInt(install_.folder(), "CurrentProfile"), 4);
  EXPECT_EQ(CompareMessages(other->received(), {}), "");

  // The other mapping goes, the monitor comes.
  other.reset();
  StandInMonitor monitor(*SaneConfiguration(3), install_.folder());
  ExpectTheChangeHandedOverBy(monitor, 4);
}

TEST_F(OptionWithoutMonitor, ABlockWithoutItsMutexIsNoMonitorYet) {
  StandInMonitor starting(*SaneConfiguration(3), install_.folder(), StandInMonitor::Parts{false, true});
  ASSERT_FALSE(SharedBlockMutex::Open().has_value());
  ASSERT_TRUE(Start());
  EXPECT_EQ(program_->Names().at(2), L"From The File") << "read the block without its mutex";

  ApplyAndAnswerTheNotice(L"Profile 1");
  if (HasFatalFailure()) return;
  EXPECT_EQ(ConfigInt(install_.folder(), "CurrentProfile"), 0);
  EXPECT_EQ(CompareMessages(starting.received(), {}), "");

  starting.CompleteStart();
  ExpectTheChangeHandedOverBy(starting, 0);
}

}  // namespace orvix::test
