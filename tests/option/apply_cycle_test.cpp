#include "apply/ApplyCycle.h"

#include <gtest/gtest.h>

#include <cstring>

#include "FakeApplyPorts.h"
#include "apply/ChangeFlagRules.h"
#include "FixedText.h"
#include "ProfileFile.h"

namespace orvix {
namespace {

using test::FakeBlock;
using test::FakeFiles;
using test::FakeMonitor;
using test::FakeView;

void SaneConfiguration(ConfigRecord& c) {
  std::memset(&c, 0, sizeof c);
  c.CurrentProfile = 1;
  c.WindowsProfile = -1;
  c.QuickHelpLan = 1;
  for (int p = 0; p < kProfiles; ++p) InitDefaultProfile(c.profiles[p], p);
}

class ApplyCycleTest : public ::testing::Test {
 protected:
  ApplyCycleTest() {
    SaneConfiguration(block.shared->config);
    cycle = std::make_unique<ApplyCycle>(block, monitor, files, view);
  }
  bool Start() {
    return cycle->Start([](ConfigRecord& c) { SaneConfiguration(c); });
  }
  ConfigRecord& Shared() { return block.shared->config; }
  ProfileRecord& Edit(int p) { return cycle->working().config.profiles[p]; }

  FakeBlock block;
  FakeMonitor monitor;
  FakeFiles files;
  FakeView view;
  std::unique_ptr<ApplyCycle> cycle;
};

TEST_F(ApplyCycleTest, ChangeFlagsNameExactlyWhatAnApplyMustWrite) {
  ASSERT_TRUE(Start());
  Edit(0).SoundDpi = !Edit(0).SoundDpi;        // sounds take no part in report 6
  Edit(2).CpiLevel_X[3] = 12;                    // a DPI level does
  Edit(3).MacroKeyInfo[5].function = 0x20;       // a changed button without a page's flag
  cycle->working().flags.button[4][1] = 1;       // a page's flag on an unchanged button
  cycle->working().config.LiftOnFlag = 1;
  cycle->Apply(0);
  const ChangeFlags& f = block.shared->flags;
  EXPECT_EQ(f.settings[0], 0);
  EXPECT_EQ(f.settings[2], 1);
  EXPECT_EQ(f.settings[3], 0);
  EXPECT_EQ(f.button[3][5], 1);
  EXPECT_EQ(f.button[4][1], 1);
  EXPECT_EQ(f.button[4][2], 0);
  EXPECT_EQ(f.currentProfile, 0);
  EXPECT_EQ(f.tracking, 1);

  cycle->OnMonitorAnswered();
  EXPECT_FALSE(cycle->HasPendingEdits());
  // A second Apply without edits hands over only zero flags, and still tells the monitor.
  cycle->Apply(0);
  static const ChangeFlags kNone{};
  EXPECT_EQ(std::memcmp(&block.shared->flags, &kNone, sizeof kNone), 0);
  EXPECT_EQ(monitor.sent.size(), 2u);
}

TEST_F(ApplyCycleTest, TheMergeKeepsWhatTheMonitorWroteSinceTheLastRead) {
  ASSERT_TRUE(Start());
  // Since the program read the block, the mouse counted clicks and moved profile 1 to
  // DPI level 3; the user changed the sensitivity of the same profile.
  block.beforeAccess = [](SharedDataBlock& shared) {
    shared.config.InfoData.counter[0] += 25;
    shared.config.profiles[1].Cpi_X = 3;
  };
  Edit(1).Sensitivity = 7;
  cycle->Apply(0);
  EXPECT_EQ(Shared().InfoData.counter[0], 25);
  EXPECT_EQ(Shared().profiles[1].Cpi_X, 3);
  EXPECT_EQ(Shared().profiles[1].Sensitivity, 7);
  EXPECT_EQ(block.shared->flags.settings[1], 1);
  ASSERT_TRUE(files.saved);
  EXPECT_EQ(files.saved->InfoData.counter[0], 25) << "the files must hold what the block holds";
}

TEST_F(ApplyCycleTest, TheBlockAndTheFilesHoldTheEditBeforeTheMonitorIsTold) {
  ASSERT_TRUE(Start());
  Edit(1).CpiLevel_X[0] = 9;
  bool checked = false;
  monitor.onSend = [&](MonitorMessage m) {
    ASSERT_EQ(m, MonitorMessage::kApplyAll);
    EXPECT_EQ(Shared().profiles[1].CpiLevel_X[0], 9);
    ASSERT_TRUE(files.saved);
    EXPECT_EQ(files.saved->profiles[1].CpiLevel_X[0], 9);
    EXPECT_EQ(view.calls.back(), "busy");
    checked = true;
  };
  cycle->Apply(0);
  EXPECT_TRUE(checked);
  EXPECT_TRUE(cycle->busy());
  cycle->Apply(0);  // OK and Apply are disabled meanwhile; a second request changes nothing
  EXPECT_EQ(monitor.sent.size(), 1u);
  cycle->OnMonitorAnswered();
  EXPECT_FALSE(cycle->busy());
  EXPECT_EQ(cycle->applied().config.profiles[1].CpiLevel_X[0], 9);
}

TEST_F(ApplyCycleTest, EditsMadeWhileTheMonitorWritesStayPending) {
  ASSERT_TRUE(Start());
  Edit(1).Sensitivity = 3;
  cycle->Apply(0);
  Edit(2).Sensitivity = 4;
  cycle->working().flags.button[2][0] = 1;
  cycle->OnMonitorAnswered();
  EXPECT_EQ(Edit(1).Sensitivity, 3);
  EXPECT_EQ(Edit(2).Sensitivity, 4);
  EXPECT_EQ(cycle->working().flags.button[2][0], 1);
  EXPECT_NE(cycle->applied().config.profiles[2].Sensitivity, 4);
  EXPECT_TRUE(cycle->HasPendingEdits());
}

TEST_F(ApplyCycleTest, WithoutTheMonitorApplySavesSaysSoAndSendsOnceTheMonitorIsBack) {
  block.present = false;
  monitor.present = false;
  EXPECT_FALSE(Start());
  Edit(1).CpiLevel_X[2] = 20;
  cycle->Apply(0);
  EXPECT_FALSE(cycle->busy());
  ASSERT_EQ(view.notices.size(), 1u);
  EXPECT_EQ(view.notices[0], ApplyNotice::kMonitorAbsent);
  ASSERT_TRUE(files.saved);
  EXPECT_EQ(files.saved->profiles[1].CpiLevel_X[2], 20);
  EXPECT_TRUE(cycle->HasPendingEdits()) << "nothing reached the monitor";

  cycle->OnRetryTimer();  // still absent: nothing, and no second notice
  EXPECT_TRUE(monitor.sent.empty());
  EXPECT_EQ(view.notices.size(), 1u);

  Edit(3).Sensitivity = 2;  // a later edit that was not applied
  block.present = monitor.present = true;
  cycle->OnRetryTimer();
  ASSERT_EQ(monitor.sent.size(), 1u);
  EXPECT_EQ(Shared().profiles[1].CpiLevel_X[2], 20);
  EXPECT_EQ(block.shared->flags.settings[1], 1);
  EXPECT_NE(Shared().profiles[3].Sensitivity, 2) << "only what the failed Apply held is sent";
  cycle->OnMonitorAnswered();
  EXPECT_EQ(Edit(3).Sensitivity, 2);
  cycle->OnRetryTimer();
  EXPECT_EQ(monitor.sent.size(), 1u) << "delivered once";
}

TEST_F(ApplyCycleTest, AMonitorThatDoesNotAnswerKeepsTheEditsForTheNextTry) {
  ASSERT_TRUE(Start());
  Edit(0).CpiLevel_Y[1] = 5;
  cycle->Apply(0);
  cycle->OnMonitorTimedOut();
  ASSERT_EQ(view.notices.size(), 1u);
  EXPECT_EQ(view.notices[0], ApplyNotice::kMonitorNoAnswer);
  EXPECT_FALSE(cycle->busy());
  EXPECT_TRUE(cycle->HasPendingEdits());
  cycle->OnMonitorAnswered();  // a late answer of the abandoned send changes nothing
  EXPECT_TRUE(cycle->HasPendingEdits());
  cycle->OnRetryTimer();
  EXPECT_EQ(monitor.sent.size(), 2u);
  EXPECT_EQ(block.shared->flags.settings[0], 1);
}

TEST_F(ApplyCycleTest, OkWithoutTheMonitorKeepsTheEditsForTheNextStart) {
  block.present = monitor.present = false;
  Start();
  Edit(4).Sensitivity = 13;
  cycle->Apply(0, true);
  EXPECT_EQ(view.calls.back(), "finished");
  ASSERT_TRUE(files.keptWorking);
  EXPECT_EQ(files.keptWorking->config.profiles[4].Sensitivity, 13);
}

TEST_F(ApplyCycleTest, NoticesCarryPendingEditsOntoTheMonitorsNewState) {
  ASSERT_TRUE(Start());
  CopyFixedText(Edit(2).ProFileName, "Sniper");
  Edit(1).Cpi_X = 4;  // an unapplied level edit of the profile the mouse switches to
  cycle->working().flags.button[0][3] = 1;
  // The mouse went to profile 1's level 2 and the monitor left its own flags in the block.
  Shared().profiles[1].Cpi_X = 2;
  Shared().InfoData.counter[3] = 99;
  std::memset(&block.shared->flags, 0xFF, sizeof block.shared->flags);
  Shared().CurrentProfile = 1;
  cycle->OnProfileChanged();

  EXPECT_EQ(FixedTextView(Edit(2).ProFileName), "Sniper");
  EXPECT_EQ(Edit(1).Cpi_X, 2) << "the mouse's level of the current profile wins";
  EXPECT_EQ(cycle->working().config.InfoData.counter[3], 99);
  EXPECT_EQ(cycle->working().flags.button[0][3], 1);
  EXPECT_EQ(cycle->working().flags.button[0][4], 0) << "the monitor's flags are not ours";
  EXPECT_EQ(cycle->applied().flags.settings[0], 0);
  EXPECT_EQ(view.calls.back(), "refresh all");
}

TEST_F(ApplyCycleTest, AChosenSlotAndLevelSurviveNoticesThatDoNotTouchThem) {
  ASSERT_TRUE(Start());
  cycle->working().config.CurrentProfile = 3;  // a slot clicked, not applied
  Edit(1).Cpi_X = 4;                           // a level of the monitor's current profile
  Shared().InfoData.counter[0] = 7;            // the monitor counted clicks only
  cycle->OnStatisticsChanged();
  cycle->OnLevelChanged();
  EXPECT_EQ(cycle->working().config.CurrentProfile, 3);
  EXPECT_EQ(Edit(1).Cpi_X, 4);
  EXPECT_EQ(cycle->working().config.InfoData.counter[0], 7);
  // Once the monitor really moves them, the mouse's state wins.
  Edit(2).Cpi_X = 4;
  Shared().CurrentProfile = 2;
  Shared().profiles[2].Cpi_X = 1;
  cycle->OnProfileChanged();
  EXPECT_EQ(cycle->working().config.CurrentProfile, 2);
  EXPECT_EQ(Edit(2).Cpi_X, 1);
  EXPECT_EQ(Edit(1).Cpi_X, 4) << "a profile that is no longer current keeps the user's level";
}

TEST_F(ApplyCycleTest, ALevelNoticeRefreshesTheAdvancedPageOnlyForSynchronousAxes) {
  ASSERT_TRUE(Start());
  Shared().profiles[1].XYSynchronous = 0;
  cycle->OnLevelChanged();
  EXPECT_EQ(view.calls.back(), "level pages");
  Shared().profiles[1].XYSynchronous = 1;
  cycle->OnLevelChanged();
  EXPECT_EQ(view.calls.back(), "level pages+advanced");
}

TEST_F(ApplyCycleTest, ANoticeDuringAnApplyWaitsForItsEnd) {
  ASSERT_TRUE(Start());
  Edit(1).Sensitivity = 5;
  cycle->Apply(0);
  Shared().profiles[1].Cpi_X = 1;
  cycle->OnLevelChanged();
  EXPECT_EQ(cycle->working().config.profiles[1].Cpi_X, cycle->applied().config.profiles[1].Cpi_X);
  cycle->OnMonitorAnswered();
  EXPECT_EQ(Edit(1).Cpi_X, 1);
  EXPECT_EQ(Edit(1).Sensitivity, 5);
  EXPECT_FALSE(cycle->HasPendingEdits());
}

TEST_F(ApplyCycleTest, HostileBlockValuesGiveASaneWorkingCopy) {
  Shared().CurrentProfile = -1;
  ASSERT_TRUE(Start());
  EXPECT_EQ(cycle->working().config.CurrentProfile, 0);
  Shared().CurrentProfile = 0x7FFFFFFF;
  cycle->OnProfileChanged();
  EXPECT_EQ(cycle->working().config.CurrentProfile, 0);
  EXPECT_FALSE(cycle->HasPendingEdits()) << "a clamped profile is not an edit of the user";
}

TEST_F(ApplyCycleTest, EditsKeptByAnEarlierRunAreOfferedAtStart) {
  // The last run was closed from outside with a pending name and a page's button flag.
  {
    FakeBlock oldBlock;
    SaneConfiguration(oldBlock.shared->config);
    ApplyCycle old(oldBlock, monitor, files, view);
    ASSERT_TRUE(old.Start([](ConfigRecord&) {}));
    CopyFixedText(old.working().config.profiles[0].ProFileName, "Kept");
    old.working().flags.button[0][7] = 1;
    old.KeepPendingEdits();
  }
  ASSERT_TRUE(files.keptWorking);
  Shared().profiles[3].Sensitivity = 8;  // meanwhile the mouse changed something else
  ASSERT_TRUE(Start());
  EXPECT_NE(FixedTextView(Edit(0).ProFileName), "Kept") << "offered only once the dialog is shown";
  cycle->OfferKeptEdits();
  EXPECT_EQ(FixedTextView(Edit(0).ProFileName), "Kept");
  EXPECT_EQ(Edit(3).Sensitivity, 8);
  EXPECT_EQ(cycle->working().flags.button[0][7], 1);
  EXPECT_FALSE(files.keptWorking) << "offered once";

  // Declined: the kept edits go.
  view.restore = false;
  files.keptWorking = std::make_unique<SharedDataBlock>(*block.shared);
  CopyFixedText(files.keptWorking->config.profiles[0].ProFileName, "Declined");
  files.keptApplied = std::make_unique<SharedDataBlock>(*block.shared);
  ASSERT_TRUE(Start());
  cycle->OfferKeptEdits();
  EXPECT_NE(FixedTextView(Edit(0).ProFileName), "Declined");
  EXPECT_FALSE(files.keptWorking);
}

TEST_F(ApplyCycleTest, TheStatisticsTransferHandsOverTheCountersAlone) {
  ASSERT_TRUE(Start());
  Edit(1).Sensitivity = 9;  // a pending edit that must not travel with the statistics
  cycle->working().config.InfoData = StatisticsBlock{};
  Shared().InfoData.counter[2] = 5;
  cycle->TransferStatistics();
  EXPECT_EQ(Shared().InfoData.counter[2], 0);
  EXPECT_NE(Shared().profiles[1].Sensitivity, 9);
  ASSERT_EQ(monitor.sent.size(), 1u);
  EXPECT_EQ(monitor.sent[0].message, MonitorMessage::kReloadShared);
  EXPECT_TRUE(cycle->HasPendingEdits());
}

TEST_F(ApplyCycleTest, TheTrackingTransferNeedsTheMonitorButTheFileFollowsAtOnce) {
  ASSERT_TRUE(Start());
  const int before = Shared().LiftOnFlag;
  cycle->working().config.LiftOnFlag = 2;
  monitor.present = false;
  EXPECT_FALSE(cycle->TransferTracking());
  EXPECT_EQ(files.lift, 2);
  EXPECT_FALSE(cycle->TransferTracking(MonitorMessage::kCalibrationMode, 4));
  EXPECT_TRUE(monitor.sent.empty());
  EXPECT_EQ(Shared().LiftOnFlag, before);
  EXPECT_EQ(ComputeChangeFlags(cycle->working(), cycle->applied()).tracking, 1) << "the next Apply still sends it";
  monitor.present = true;
  EXPECT_TRUE(cycle->TransferTracking(MonitorMessage::kCalibrationMode, 4));
  EXPECT_EQ(Shared().LiftOnFlag, 2);
  EXPECT_EQ(files.lift, 2);
  ASSERT_EQ(monitor.sent.size(), 1u);
  EXPECT_TRUE(monitor.sent[0].posted);
  EXPECT_EQ(monitor.sent[0].lParam, 4);
}

TEST_F(ApplyCycleTest, AMutexThatCannotBeHadSkipsTheBlockButNotTheFiles) {
  ASSERT_TRUE(Start());
  block.mutexFree = false;
  Edit(0).Sensitivity = 1;
  cycle->Apply(0);
  EXPECT_EQ(files.saves, 1);
  EXPECT_TRUE(monitor.sent.empty()) << "the monitor is not told to apply a block we could not write";
  EXPECT_EQ(view.notices.size(), 1u);
}

}  // namespace
}  // namespace orvix
