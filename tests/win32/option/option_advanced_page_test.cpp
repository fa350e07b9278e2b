#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "pages/advanced/AdvancedPageTexts.h"
#include "AdvancedPageDriver_win.h"
#include "OptionFixtures_win.h"
#include "ProfileFile.h"
#include "TextIds.h"

namespace orvix::test {
namespace {

namespace ids = orvix::advanced;

std::wstring English(int id) { return TableText(id, kEnglish); }

// The advanced page against the stand-in monitor: its controls, the lift-off trial, the
// calibration switch and the factory reset.
class OptionAdvancedPage : public WithStandIn {
 protected:
  void SetUp() override {
    WithStandIn::SetUp();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(program_->Click(English(kTextLabelTabAdvanced)));
    ASSERT_TRUE(PumpUntil([&] { return Control(ids::kTextLabelLiftLow) != nullptr; }, 5000));
  }

  HWND Control(int labelText) const { return DescendantButton(program_->window(), English(labelText)); }
  HWND Control(const wchar_t* label) const { return DescendantButton(program_->window(), label); }
  bool Click(int labelText) const { return PostClick(Control(labelText)); }

  // The page's sliders (X, Y, volume, pointer speed) and number boxes' fields (X, Y); the
  // other pages have theirs.
  HWND Page() const { return ::GetParent(Control(ids::kTextLabelLiftLow)); }
  HWND Slider(int index) const { return Descendants(Page(), L"OrvixSkinSlider").at(index); }
  HWND BoxField(int index) const {
    return Descendants(Descendants(Page(), L"OrvixSkinNumberBox").at(index), L"Edit").at(0);
  }

  // What the current profile (slot 2) holds in the block now.
  ProfileRecord Current() const { return monitor_->Block()->config.profiles[1]; }

  // Waits until a posted control action has reached the program. A sent message is taken
  // before posted ones, so an answer alone does not prove it; the controls post their
  // changes on to the page in a second step.
  bool Settle() {
    if (!program_->Answers(5000)) return false;
    PumpFor(250);
    return program_->Answers(5000);
  }

  // Apply, and the profile handed over with it.
  bool ApplyAndWait() {
    monitor_->Clear();
    return program_->Click(English(kTextLabelApply)) && monitor_->WaitFor(WM_MON_APPLY_ALL, 10000) && WaitUntilIdle();
  }

  // The monitor's messages other than the apply message.
  std::vector<ReceivedMessage> TrackingMessages() const {
    std::vector<ReceivedMessage> found;
    for (const ReceivedMessage& m : monitor_->received())
      if (m.message >= WM_MON_SENSOR_IMAGE && m.message <= WM_MON_CALIBRATION_MODE) found.push_back(m);
    return found;
  }
};

// One control: what the user does, and the profile as it must then be.
struct ControlCase {
  const char* name;
  std::function<bool()> act;
  std::function<void(ProfileRecord&)> expect;
  bool settingsFlag;
};

TEST_F(OptionAdvancedPage, EachControlChangesExactlyItsFieldAndTheRightChangeFlag) {
  const ProfileRecord defaults = Current();
  ASSERT_EQ(defaults.Sensitivity_X, 6);
  ASSERT_EQ(defaults.SoundVolume, 2);
  ASSERT_EQ(defaults.PollingRate, 3);
  ASSERT_EQ(defaults.MouseSpeed, 10);
  ASSERT_EQ(defaults.AccelerationFlag, 0);

  const ControlCase cases[] = {
      {"separate X and Y", [&] { return Click(ids::kTextLabelXYSeparate); },
       [](ProfileRecord& p) { p.XYSynchronous = 1; }, true},
      {"X slider to its end", [&] { return PostKey(Slider(0), VK_END); },
       [](ProfileRecord& p) { p.Sensitivity_X = 11; }, true},
      {"Y slider to its start", [&] { return PostKey(Slider(1), VK_HOME); },
       [](ProfileRecord& p) { p.Sensitivity_Y = 1; }, true},
      {"X box one down", [&] { return PostKey(BoxField(0), VK_DOWN); },
       [](ProfileRecord& p) { p.Sensitivity_X = 10; }, true},
      {"Y box one up", [&] { return PostKey(BoxField(1), VK_UP); },
       [](ProfileRecord& p) { p.Sensitivity_Y = 2; }, true},
      {"profile sound", [&] { return Click(ids::kTextLabelSoundProfile); },
       [](ProfileRecord& p) { p.SoundProfile = 0; }, false},
      {"DPI sound", [&] { return Click(ids::kTextLabelSoundDpi); }, [](ProfileRecord& p) { p.SoundDpi = 0; }, false},
      {"sensitivity sound", [&] { return Click(ids::kTextLabelSoundSensitivity); },
       [](ProfileRecord& p) { p.SoundSens = 0; }, false},
      {"volume keys sound", [&] { return Click(ids::kTextLabelSoundVolumeKeys); },
       [](ProfileRecord& p) { p.VolumeUpDown = 0; }, false},
      {"achievement sound", [&] { return Click(ids::kTextLabelSoundTrophy); },
       [](ProfileRecord& p) { p.SoundTrophy = 0; }, false},
      {"volume to its end", [&] { return PostKey(Slider(2), VK_END); },
       [](ProfileRecord& p) { p.SoundVolume = 4; }, false},
      {"125 Hz", [&] { return PostClick(Control(L"125Hz")); }, [](ProfileRecord& p) { p.PollingRate = 0; }, true},
      {"500 Hz", [&] { return PostClick(Control(L"500Hz")); }, [](ProfileRecord& p) { p.PollingRate = 2; }, true},
      {"pointer speed to its start", [&] { return PostKey(Slider(3), VK_HOME); },
       [](ProfileRecord& p) { p.MouseSpeed = 1; }, false},
      {"pointer speed one up", [&] { return PostKey(Slider(3), VK_RIGHT); },
       [](ProfileRecord& p) { p.MouseSpeed = 2; }, false},
      {"acceleration on", [&] { return Click(ids::kTextLabelAcceleration); },
       [](ProfileRecord& p) { p.AccelerationFlag = 1, p.Acceleration = 8; }, false},
      {"acceleration off", [&] { return Click(ids::kTextLabelAcceleration); },
       [](ProfileRecord& p) { p.AccelerationFlag = 0, p.Acceleration = 0; }, false},
      {"trails on", [&] { return Click(ids::kTextLabelTrails); }, [](ProfileRecord& p) { p.MouseTrails = 5; }, false},
  };
  ProfileRecord expected = defaults;
  for (const ControlCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(c.act());
    ASSERT_TRUE(Settle());
    ASSERT_TRUE(ApplyAndWait());
    c.expect(expected);
    const ReceivedMessage& apply = *monitor_->Last(WM_MON_APPLY_ALL);
    const ProfileRecord& handed = apply.block->config.profiles[1];
    EXPECT_EQ(std::memcmp(&handed, &expected, sizeof expected), 0)
        << "X " << handed.Sensitivity_X << " Y " << handed.Sensitivity_Y << " volume " << handed.SoundVolume
        << " polling " << handed.PollingRate << " speed " << handed.MouseSpeed << " acceleration "
        << handed.AccelerationFlag << "/" << handed.Acceleration << " trails " << handed.MouseTrails;
    EXPECT_EQ(SetFlags(apply.block->flags), c.settingsFlag ? "settings[1]=1" : "none");
    // Only the current profile is edited.
    EXPECT_EQ(std::memcmp(&apply.block->config.profiles[0], &config_->profiles[0], sizeof(ProfileRecord)), 0);
  }
  // The box follows its slider and the other way round.
  EXPECT_EQ(WindowText(BoxField(0)), L"4");
  EXPECT_TRUE(IsChecked(Control(L"500Hz")));
  EXPECT_FALSE(IsChecked(Control(L"125Hz")));
}

TEST_F(OptionAdvancedPage, ALiftOffLevelIsTriedKeptOnAcceptAndUndoneOnCancel) {
  ASSERT_EQ(config_->LiftOnFlag, 0);
  // Accepted: tried with 255, kept with 254.
  ASSERT_TRUE(Click(ids::kTextLabelLiftLow));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_TRACKING_REPORT, 5000));
  EXPECT_EQ(monitor_->Block()->config.LiftOnFlag, 2) << "the block has the level before the monitor is told";
  EXPECT_EQ(ConfigInt(install_.folder(), "LiftOnFlag"), 2);
  HWND countdown = program_->WaitForPopup(English(ids::kTextButtonAccept), 5000);
  ASSERT_NE(countdown, nullptr);
  EXPECT_NE(OptionProgram::PopupTexts(countdown).find(L"30 sec"), std::wstring::npos)
      << testing::PrintToString(OptionProgram::PopupTexts(countdown));
  ASSERT_TRUE(program_->AnswerPopup(countdown, English(ids::kTextButtonAccept)));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_TRACKING_REPORT, 5000, 2));
  EXPECT_EQ(CompareMessages(TrackingMessages(), {{WM_MON_TRACKING_REPORT, 0, 255}, {WM_MON_TRACKING_REPORT, 0, 254}}), "");
  EXPECT_TRUE(IsChecked(Control(ids::kTextLabelLiftLow)));

  // The level in force again: nothing happens at all.
  monitor_->Clear();
  ASSERT_TRUE(Click(ids::kTextLabelLiftLow));
  ASSERT_TRUE(Settle());
  PumpFor(500);
  EXPECT_TRUE(monitor_->received().empty());
  EXPECT_TRUE(program_->Popups().empty());

  // Cancelled: undone with 253, and the level before is back everywhere.
  ASSERT_TRUE(Click(ids::kTextLabelLiftNormal));
  countdown = program_->WaitForPopup(English(ids::kTextButtonCancel), 5000);
  ASSERT_NE(countdown, nullptr);
  EXPECT_EQ(monitor_->Block()->config.LiftOnFlag, 3);
  ASSERT_TRUE(program_->AnswerPopup(countdown, English(ids::kTextButtonCancel)));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_TRACKING_REPORT, 5000, 2));
  EXPECT_EQ(CompareMessages(TrackingMessages(), {{WM_MON_TRACKING_REPORT, 0, 255}, {WM_MON_TRACKING_REPORT, 0, 253}}), "");
  EXPECT_EQ(monitor_->Block()->config.LiftOnFlag, 2);
  EXPECT_EQ(ConfigInt(install_.folder(), "LiftOnFlag"), 2);
  EXPECT_TRUE(IsChecked(Control(ids::kTextLabelLiftLow)));
  EXPECT_FALSE(IsChecked(Control(ids::kTextLabelLiftNormal)));
  // Nothing is left for the next Apply to hand over.
  ASSERT_TRUE(ApplyAndWait());
  EXPECT_EQ(SetFlags(monitor_->Last(WM_MON_APPLY_ALL)->block->flags), "none");
}

TEST_F(OptionAdvancedPage, ALiftOffTrialLeftAloneRunsOutAfterThirtySecondsAndIsUndone) {
  ASSERT_TRUE(Click(ids::kTextLabelLiftExtraLow));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_TRACKING_REPORT, 5000));
  const DWORD tried = monitor_->Last(WM_MON_TRACKING_REPORT)->receivedAt;
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_TRACKING_REPORT, 40000, 2));
  const DWORD undone = monitor_->Last(WM_MON_TRACKING_REPORT)->receivedAt;
  EXPECT_EQ(CompareMessages(TrackingMessages(), {{WM_MON_TRACKING_REPORT, 0, 255}, {WM_MON_TRACKING_REPORT, 0, 253}}), "");
  EXPECT_GE(undone - tried, 29000u);
  EXPECT_LE(undone - tried, 33000u);
  EXPECT_EQ(monitor_->Block()->config.LiftOnFlag, 0);
  EXPECT_EQ(ConfigInt(install_.folder(), "LiftOnFlag"), 0);
  EXPECT_TRUE(IsChecked(Control(ids::kTextLabelLiftOff)));
  EXPECT_TRUE(PumpUntil([&] { return program_->Popups().empty(); }, 3000));
}

TEST_F(OptionAdvancedPage, ClosedFromOutsideDuringATrialTheLevelIsUndoneBeforeTheProgramEnds) {
  ASSERT_TRUE(Click(ids::kTextLabelLiftNormal));
  ASSERT_NE(program_->WaitForPopup(English(ids::kTextButtonAccept), 5000), nullptr);
  // As the monitor does when the mouse is unplugged.
  ASSERT_TRUE(::PostMessageW(program_->window(), WM_CLOSE, 0, 0));
  ASSERT_TRUE(program_->WaitForExit(10000));
  EXPECT_EQ(CompareMessages(TrackingMessages(), {{WM_MON_TRACKING_REPORT, 0, 255}, {WM_MON_TRACKING_REPORT, 0, 253}}), "");
  EXPECT_EQ(monitor_->Block()->config.LiftOnFlag, 0);
  EXPECT_EQ(ConfigInt(install_.folder(), "LiftOnFlag"), 0);
}

TEST_F(OptionAdvancedPage, FactoryResetAsksFirstAndThenAppliesTheDefaultsWithTheResetFlag) {
  const std::wstring reset = English(ids::kTextLabelReset);
  // Cancel: nothing.
  ASSERT_TRUE(PostClick(Control(reset.c_str())));
  HWND question = program_->WaitForPopup(English(ids::kTextButtonCancel), 5000);
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(program_->AnswerPopup(question, English(ids::kTextButtonCancel)));
  PumpFor(300);
  EXPECT_TRUE(monitor_->received().empty());

  ASSERT_TRUE(program_->Click(L"Profile 4"));
  ASSERT_TRUE(PostClick(Control(reset.c_str())));
  question = program_->WaitForPopup(English(ids::kTextButtonOk), 5000);
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(program_->AnswerPopup(question, English(ids::kTextButtonOk)));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_APPLY_ALL, 10000));
  const ReceivedMessage& apply = *monitor_->Last(WM_MON_APPLY_ALL);
  EXPECT_EQ(apply.wParam, 1u);
  const ConfigRecord& handed = apply.block->config;
  EXPECT_EQ(handed.CurrentProfile, 0);
  EXPECT_EQ(handed.WindowsProfile, -1);
  EXPECT_EQ(handed.LiftOnFlag, 0);
  EXPECT_EQ(handed.TrackControlFlag, 0);
  for (int p = 0; p < kProfiles; ++p) {
    ProfileRecord fresh{};
    InitDefaultProfile(fresh, p);
    EXPECT_EQ(NameText(handed.profiles[p].ProFileName, sizeof fresh.ProFileName),
              NameText(fresh.ProFileName, sizeof fresh.ProFileName)) << "slot " << p;
    EXPECT_EQ(handed.profiles[p].PollingRate, fresh.PollingRate);
    for (int s = 0; s < kButtonSlots; ++s) EXPECT_EQ(apply.block->flags.button[p][s], 1) << p << "/" << s;
  }
  EXPECT_TRUE(WaitUntilIdle());
  EXPECT_EQ(program_->CheckedSlot(), 0);
}

}  // namespace
}  // namespace orvix::test
