#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ButtonSlots.h"
#include "FakePorts.h"
#include "Messages.h"
#include "core/MonitorCore.h"

namespace orvix {
namespace {

using Strings = std::vector<std::string>;
constexpr unsigned kWindowClose = 0x0010;

class MonitorCoreTest : public ::testing::Test {
 protected:
  MonitorCoreTest() : block_(std::make_unique<SharedDataBlock>()) {
    std::memset(block_.get(), 0, sizeof *block_);
    ConfigRecord& c = block_->config;
    c.CurrentProfile = 0;
    c.WindowsProfile = -1;
    for (ProfileRecord& p : c.profiles) {
      p.SoundProfile = p.SoundDpi = p.SoundSens = p.VolumeUpDown = p.SoundTrophy = 1;
      p.SoundVolume = 2;
      p.XYSynchronous = 1;
      p.Sensitivity_X = p.Sensitivity_Y = p.Sensitivity = 3;
      const std::int32_t levels[kDpiLevels] = {4, 8, 8, 16, 41};
      std::memcpy(p.CpiLevel_X, levels, sizeof levels);
    }
    fakes_.messenger.windows = {kOptionWindowTitle, kCalibrationWindowTitle};
    core_ = std::make_unique<MonitorCore>(fakes_.Ports(), *block_, "C:\\O\\");
  }

  void Event(std::uint16_t eventClass, std::uint16_t data) {
    core_->OnDeviceEventMessage(eventClass, data);
  }
  // Lets a one-shot timer expire, as the window's timer handler would.
  void Fire(unsigned id) {
    ASSERT_TRUE(fakes_.timers.IsRunning(id)) << id;
    EXPECT_TRUE(core_->OnTimer(id));
  }
  Strings Spoken() { return fakes_.files.Spoken(); }
  std::vector<unsigned> ToOption() { return fakes_.messenger.MessagesTo(kOptionWindowTitle); }
  ProfileRecord& Profile(int p) { return block_->config.profiles[p]; }
  void EnterFinalPhase() {
    core_->StartCountdown(3);
    core_->OnTimer(kCountdownTimerId);
    ASSERT_TRUE(core_->countdown().finalPhase());
    fakes_.files.opened.clear();
  }

  test::FakePorts fakes_;
  std::unique_ptr<SharedDataBlock> block_;
  std::unique_ptr<MonitorCore> core_;
};

TEST_F(MonitorCoreTest, ProfileChangeIsMirroredSavedAndAnnounced) {
  Event(0x2000, 3);
  EXPECT_EQ(block_->config.CurrentProfile, 2);
  EXPECT_EQ(fakes_.config.currentProfile, std::vector<int>{2});
  EXPECT_EQ(fakes_.block.copiesOut, 1);
  EXPECT_EQ(fakes_.pointer.applied, std::vector<const ProfileRecord*>{&Profile(2)});
  EXPECT_EQ(ToOption(), std::vector<unsigned>{WM_OPT_PROFILE_CHANGED});
  EXPECT_EQ(fakes_.companion.calls, (Strings{"reset light", "dpi table"}));
  EXPECT_TRUE(Spoken().empty());  // not before the 500 ms
  Fire(kProfileSoundTimerId);
  EXPECT_EQ(Spoken(), Strings{"profile_three.wav"});
}

TEST_F(MonitorCoreTest, TwoQuickProfileSwitchesAnnounceOnlyTheSecond) {
  Event(0x2000, 2);
  Event(0x2000, 4);
  Fire(kProfileSoundTimerId);
  EXPECT_EQ(Spoken(), Strings{"profile_four.wav"});
  EXPECT_EQ(ToOption().size(), 2u);
}

TEST_F(MonitorCoreTest, ProfileSoundFollowsTheSwitchOfTheProfileLeft) {
  Profile(0).SoundProfile = 0;
  Event(0x2000, 2);
  EXPECT_FALSE(fakes_.timers.IsRunning(kProfileSoundTimerId));
  Event(0x2000, 1);  // profile 1 has its sound on
  EXPECT_TRUE(fakes_.timers.IsRunning(kProfileSoundTimerId));
}

TEST_F(MonitorCoreTest, FinalSecondsOfTheCountdownSilenceButStillPublish) {
  EnterFinalPhase();
  Event(0x2000, 2);
  Event(0xB000, 4);
  Event(0xC000, 0x0909);
  Event(0x1B00, 1);
  for (unsigned id : {601u, 602u, 603u, 605u, 606u, 607u, 608u}) EXPECT_FALSE(fakes_.timers.IsRunning(id)) << id;
  EXPECT_EQ(block_->config.CurrentProfile, 1);
  EXPECT_EQ(ToOption(), (std::vector<unsigned>{WM_OPT_PROFILE_CHANGED, WM_OPT_LEVEL_CHANGED, WM_OPT_LEVEL_CHANGED}));
}

TEST_F(MonitorCoreTest, DpiLevelSpeaksOnlyANewValue) {
  Event(0xB000, 2);
  EXPECT_EQ(Profile(0).Cpi_X, 1);
  EXPECT_EQ(Profile(0).Cpi_Y, 1);
  EXPECT_EQ(ToOption(), std::vector<unsigned>{WM_OPT_LEVEL_CHANGED});
  Fire(kDpiSoundTimerId);
  EXPECT_EQ(Spoken(), Strings{"1600.wav"});

  Event(0xB000, 3);  // the same 1600 DPI on another level
  EXPECT_EQ(Profile(0).Cpi_X, 2);
  EXPECT_FALSE(fakes_.timers.IsRunning(kDpiSoundTimerId));
  EXPECT_EQ(ToOption().size(), 2u);
  EXPECT_EQ(fakes_.block.copiesOut, 2);
}

TEST_F(MonitorCoreTest, DpiLevelWithHostileStoredValues) {
  Profile(0).Cpi_X = 9;            // no old value to compare with
  Profile(0).CpiLevel_X[4] = 1000;  // no file for 200000 DPI
  Event(0xB000, 2);
  Fire(kDpiSoundTimerId);
  EXPECT_EQ(Spoken(), Strings{"1600.wav"});
  Event(0xB000, 5);
  EXPECT_EQ(Profile(0).Cpi_X, 4);
  EXPECT_FALSE(fakes_.timers.IsRunning(kDpiSoundTimerId));
}

TEST_F(MonitorCoreTest, SensitivityEvents) {
  Event(0xC000, 0x0506);
  EXPECT_EQ(Profile(0).Sensitivity_X, 6);
  EXPECT_EQ(Profile(0).Sensitivity_Y, 5);
  Fire(kSensitivityUpSoundTimerId);
  EXPECT_EQ(Spoken(), Strings{"sens_up.wav"});

  Profile(0).XYSynchronous = 0;
  Event(0xC000, 0x0002);
  EXPECT_EQ(Profile(0).Sensitivity, 2);
  EXPECT_EQ(Profile(0).Sensitivity_X, 6);
  Fire(kSensitivityDownSoundTimerId);
  EXPECT_EQ(Spoken(), (Strings{"sens_up.wav", "sens_down.wav"}));
  EXPECT_EQ(ToOption().size(), 2u);

  Event(0xC000, 0x0C00);  // nothing in 1..11: nothing stored, nothing published
  Event(0xC000, 0x000C);
  EXPECT_EQ(Profile(0).Sensitivity, 2);
  EXPECT_EQ(ToOption().size(), 2u);
  EXPECT_EQ(fakes_.block.copiesOut, 2);

  Profile(0).SoundSens = 0;
  Event(0xC000, 0x0009);
  EXPECT_EQ(Profile(0).Sensitivity, 9);
  EXPECT_FALSE(fakes_.timers.IsRunning(kSensitivityUpSoundTimerId));
  EXPECT_EQ(ToOption().size(), 3u);
}

TEST_F(MonitorCoreTest, PollingRateAndVolume) {
  Event(0xD000, 4);
  EXPECT_EQ(Profile(0).PollingRate, 3);
  EXPECT_EQ(ToOption(), std::vector<unsigned>{WM_OPT_LEVEL_CHANGED});

  Event(0x1B00, 1);
  Fire(kVolumeUpSoundTimerId);
  Event(0x1B00, 255);
  Fire(kVolumeDownSoundTimerId);
  EXPECT_EQ(Spoken(), (Strings{"volume_up.wav", "volume_down.wav"}));
  EXPECT_EQ(fakes_.block.copiesOut, 1);  // the volume itself is the mouse's

  Profile(0).VolumeUpDown = 0;
  Event(0x1B00, 1);
  EXPECT_FALSE(fakes_.timers.IsRunning(kVolumeUpSoundTimerId));
}

TEST_F(MonitorCoreTest, CountersArePublishedAndTrophiesLockOutAnnouncements) {
  Event(0xE100, 5);
  EXPECT_EQ(block_->config.InfoData.counter[0], 5);
  EXPECT_EQ(fakes_.block.copiesOut, 1);
  ASSERT_EQ(fakes_.config.infoData.size(), 1u);
  EXPECT_EQ(fakes_.config.infoData[0].counter[0], 5);
  EXPECT_EQ(ToOption(), std::vector<unsigned>{WM_OPT_STATISTICS_CHANGED});
  EXPECT_TRUE(Spoken().empty());

  Event(0xB000, 2);  // pending DPI sound, cut off by the trophy
  Event(0xEE00, 1000);
  EXPECT_EQ(Spoken(), Strings{"Trophy.wav"});
  EXPECT_FALSE(fakes_.timers.IsRunning(kDpiSoundTimerId));
  EXPECT_EQ(fakes_.timers.running.at(kTrophyLockTimerId), 4000u);
  Event(0xB000, 4);
  EXPECT_FALSE(fakes_.timers.IsRunning(kDpiSoundTimerId));

  Fire(kTrophyLockTimerId);
  Event(0xB000, 5);
  EXPECT_TRUE(fakes_.timers.IsRunning(kDpiSoundTimerId));
}

TEST_F(MonitorCoreTest, UnlockWithoutCounterIsPublishedToo) {
  block_->config.InfoData.counter[5] = 30000;
  Profile(0).SoundTrophy = 0;
  Event(0xE800, 1);
  EXPECT_EQ(block_->config.InfoData.achievement[9], 1);
  EXPECT_TRUE(Spoken().empty());
  EXPECT_EQ(fakes_.config.infoData.size(), 1u);

  Event(0xE800, 1);  // neither a counter nor an unlock: nothing to publish
  EXPECT_EQ(fakes_.config.infoData.size(), 1u);
  EXPECT_EQ(fakes_.block.copiesOut, 1);
}

TEST_F(MonitorCoreTest, EveryTrophyWhenTheTwelfthUnlocks) {
  for (int n = 0; n < 11; ++n) block_->config.InfoData.achievement[n] = 1;
  block_->config.InfoData.counter[5] = 499999;
  Event(0xE700, 1);
  EXPECT_EQ(block_->config.InfoData.achievement[12], 1);
  EXPECT_EQ(block_->config.InfoData.lastAchievement, 13);
  EXPECT_EQ(Spoken(), Strings{"Every_Trophy.wav"});
}

TEST_F(MonitorCoreTest, EventsForwardedToTheirReceivers) {
  Event(0x3000, 0x1234);
  ASSERT_EQ(fakes_.messenger.posted.size(), 1u);
  EXPECT_EQ(fakes_.messenger.posted[0].title, kCalibrationWindowTitle);
  EXPECT_EQ(fakes_.messenger.posted[0].message, WM_CAL_STEP);
  EXPECT_EQ(fakes_.messenger.posted[0].lParam, 0x1234);

  Event(0xFD00, 1);
  Event(0xFE00, 0x0107);
  EXPECT_EQ(fakes_.messenger.jobs, (std::vector<std::pair<unsigned, std::intptr_t>>{{5, 0}, {6, 7}}));

  Event(0x8000, 5);
  Event(0x8000, 0x0105);  // ignored
  Event(0x9000, 0x0105);
  Event(0xF000, 0x0023);
  EXPECT_EQ(fakes_.hostButtons.codes, (std::vector<std::uint32_t>{0x80000005, 0x90000105, 0xF0000023}));

  Event(0xFF00, 0x0103);
  ASSERT_EQ(fakes_.companion.buttons.size(), 1u);
  EXPECT_EQ(fakes_.companion.buttons[0].first, &Profile(0).MacroKeyInfo[SlotFromDeviceIndex(2)]);
  EXPECT_EQ(fakes_.companion.buttons[0].second, 1);
}

TEST_F(MonitorCoreTest, ArrivalAndRemovalIgnoreDuplicates) {
  fakes_.device.state = 0;
  core_->OnDeviceArrivalMessage(1);
  EXPECT_EQ(fakes_.device.state, 1);
  EXPECT_EQ(fakes_.device.calls, (Strings{"wait", "open", "firmware"}));
  EXPECT_EQ(fakes_.companion.calls, Strings{"connected"});
  EXPECT_EQ(fakes_.messenger.jobs, (std::vector<std::pair<unsigned, std::intptr_t>>{{kJobReadEverything, 0}}));
  EXPECT_EQ(fakes_.tray.updates, 1);
  EXPECT_EQ(fakes_.config.deviceState, std::vector<int>{1});
  EXPECT_EQ(fakes_.timers.running.at(kForegroundCheckTimerId), 2000u);

  core_->OnDeviceArrivalMessage(1);
  core_->OnDeviceArrivalMessage(5);
  EXPECT_EQ(fakes_.device.calls.size(), 3u);

  fakes_.device.calls.clear();
  core_->OnDeviceArrivalMessage(0);
  EXPECT_EQ(fakes_.device.state, 2);
  EXPECT_EQ(fakes_.device.calls, (Strings{"close", "abort"}));
  EXPECT_EQ(fakes_.companion.calls, (Strings{"connected", "not connected"}));
  EXPECT_EQ(fakes_.tray.updates, 2);
  EXPECT_FALSE(fakes_.timers.IsRunning(kForegroundCheckTimerId));
  EXPECT_EQ(fakes_.config.deviceState, (std::vector<int>{1, 0}));
  EXPECT_EQ(ToOption(), std::vector<unsigned>{kWindowClose});

  core_->OnDeviceArrivalMessage(0);
  EXPECT_EQ(fakes_.device.calls.size(), 2u);
}

TEST_F(MonitorCoreTest, ArrivalThatStartsTheUpdaterClosesTheMonitor) {
  fakes_.device.state = 2;
  fakes_.device.updaterStarts = true;
  core_->OnDeviceArrivalMessage(1);
  ASSERT_EQ(fakes_.messenger.toSelf.size(), 1u);
  EXPECT_EQ(fakes_.messenger.toSelf[0].message, kWindowClose);
  EXPECT_TRUE(fakes_.messenger.jobs.empty());
  EXPECT_FALSE(fakes_.timers.IsRunning(kForegroundCheckTimerId));
}

TEST_F(MonitorCoreTest, OutOfRangeCurrentProfileTouchesNoProfile) {
  for (std::int32_t hostile : {7, -5, 5, -2147483647 - 1}) {
    block_->config.CurrentProfile = hostile;
    const auto before = std::make_unique<SharedDataBlock>(*block_);
    for (auto [cls, data] : std::initializer_list<std::pair<std::uint16_t, std::uint16_t>>{
             {0xB000, 2}, {0xC000, 0x0506}, {0xD000, 2}, {0x1B00, 1}, {0xFF00, 3}}) {
      Event(cls, data);
    }
    EXPECT_EQ(std::memcmp(before.get(), block_.get(), sizeof *block_), 0) << hostile;
  }
  EXPECT_TRUE(fakes_.messenger.posted.empty());
  EXPECT_TRUE(fakes_.timers.running.empty());
  EXPECT_TRUE(fakes_.companion.buttons.empty());

  Event(0xE100, 2);  // statistics belong to no profile
  EXPECT_EQ(block_->config.InfoData.counter[0], 2);
  Event(0x2000, 2);  // the mouse names a real profile again
  EXPECT_EQ(block_->config.CurrentProfile, 1);
  EXPECT_FALSE(fakes_.timers.IsRunning(kProfileSoundTimerId));
}

TEST_F(MonitorCoreTest, GarbageInTheCurrentProfileIsSafe) {
  std::memset(&Profile(0), 0xFF, sizeof(ProfileRecord));
  block_->config.InfoData = {};
  // Every class with typical and extreme data, always on the damaged profile; the
  // sanitizers report any access outside the records.
  for (std::uint32_t cls = 0; cls <= 0xFF; ++cls) {
    for (std::uint16_t data : {0x0000, 0x0001, 0x0005, 0x0018, 0x0506, 0xFFFF}) {
      Event(static_cast<std::uint16_t>(cls << 8), data);
      block_->config.CurrentProfile = 0;
    }
  }
  for (unsigned id = 600; id <= 610; ++id) core_->OnTimer(id);
  EXPECT_EQ(Profile(0).Cpi_X, 4);  // the last level event was still mirrored
  EXPECT_EQ(Profile(0).PollingRate, 0);
}

TEST_F(MonitorCoreTest, ForegroundGameSwitchesAndReturns) {
  std::strcpy(Profile(2).GameFile0, "C:\\Games\\Foo.EXE");
  block_->config.WindowsProfile = 0;
  fakes_.device.state = 1;
  fakes_.foreground.program = "foo.exe";
  core_->OnForegroundCheck();
  EXPECT_EQ(block_->config.CurrentProfile, 2);
  EXPECT_EQ(fakes_.companion.calls, (Strings{"reset light", "dpi table"}));
  EXPECT_EQ(fakes_.messenger.jobs, (std::vector<std::pair<unsigned, std::intptr_t>>{{kJobCurrentProfile, 0}}));
  EXPECT_EQ(fakes_.pointer.applied, std::vector<const ProfileRecord*>{&Profile(2)});
  EXPECT_EQ(ToOption(), std::vector<unsigned>{WM_OPT_PROFILE_CHANGED});
  Fire(kProfileSoundTimerId);
  EXPECT_EQ(Spoken(), Strings{"profile_three.wav"});

  core_->OnForegroundCheck();  // still in front: nothing more
  EXPECT_EQ(fakes_.messenger.jobs.size(), 1u);

  fakes_.foreground.program = "explorer.exe";
  core_->OnForegroundCheck();  // the configuration program is open: keep the game's profile
  EXPECT_EQ(block_->config.CurrentProfile, 2);

  fakes_.messenger.windows.erase(kOptionWindowTitle);
  core_->OnForegroundCheck();
  EXPECT_EQ(block_->config.CurrentProfile, 0);
  Fire(kWindowsProfileSoundTimerId);
  EXPECT_EQ(Spoken(), (Strings{"profile_three.wav", "windows_profile.wav"}));
}

TEST_F(MonitorCoreTest, CountdownSpeaksThroughTheFeedbackSounds) {
  core_->StartCountdown(3);
  for (int i = 0; i < 3; ++i) core_->OnTimer(kCountdownTimerId);
  EXPECT_EQ(Spoken(), (Strings{"timer_activated.wav", "2_seconds.wav", "1_second.wav", "go.wav"}));
  EXPECT_FALSE(fakes_.timers.IsRunning(kCountdownTimerId));
}

TEST_F(MonitorCoreTest, FirstRunRecordInTheInstallationFolder) {
  core_->WriteFirstRunRecord();
  EXPECT_EQ(fakes_.ini.values.at("C:\\O\\RunsStart.ini|StartTime|Year"), 2024);
}

}  // namespace
}  // namespace orvix
