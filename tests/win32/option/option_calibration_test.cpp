#include <gtest/gtest.h>

#include <string>

#include "pages/advanced/AdvancedPageTexts.h"
#include "AdvancedPageDriver_win.h"
#include "OptionFixtures_win.h"
#include "TextIds.h"

namespace orvix::test {
namespace {

namespace ids = orvix::advanced;

std::wstring English(int id) { return TableText(id, kEnglish); }

// The surface calibration against the stand-in monitor, which answers for the mouse by
// posting WM_CAL_STEP to the wizard as the test tells it.
class OptionCalibration : public WithStandIn {
 protected:
  void SetUp() override {
    WithStandIn::SetUp();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(program_->Click(English(kTextLabelTabAdvanced)));
    ASSERT_TRUE(PumpUntil([&] { return Control(ids::kTextLabelPscOn) != nullptr; }, 5000));
  }

  HWND Control(int labelText) const { return DescendantButton(program_->window(), English(labelText)); }
  std::vector<ReceivedMessage> CalibrationMessages() const {
    std::vector<ReceivedMessage> found;
    for (const ReceivedMessage& m : monitor_->received())
      if (m.message >= WM_MON_SENSOR_IMAGE && m.message <= WM_MON_CALIBRATION_MODE) found.push_back(m);
    return found;
  }
  bool Visible(HWND wizard, int labelText) const {
    const HWND button = DescendantButton(wizard, English(labelText));
    return button && ::IsWindowVisible(button);
  }
  // The wizard's page shown now has this button.
  bool Shows(HWND wizard, int labelText) const {
    return PumpUntil([&] { return Visible(wizard, labelText); }, 5000);
  }
};

TEST_F(OptionCalibration, TheWizardAsksForFiveImagesTwoSecondsApartThenEvaluatesAndFollowsTheAnswers) {
  ASSERT_TRUE(PostClick(Control(ids::kTextLabelPscOn)));
  const HWND wizard = WaitForWizard(5000);
  ASSERT_NE(wizard, nullptr) << "no window titled as the monitor looks for it";
  // Switched on in the block and the file before the wizard measures anything.
  EXPECT_EQ(monitor_->Block()->config.TrackControlFlag, 1);
  EXPECT_EQ(ConfigInt(install_.folder(), "TrackControlFlag"), 1);
  EXPECT_TRUE(CalibrationMessages().empty());

  ASSERT_TRUE(Shows(wizard, ids::kTextWizardStart));
  ASSERT_TRUE(PostClick(DescendantButton(wizard, English(ids::kTextWizardStart))));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_CALIBRATION_MODE, 15000));
  const std::vector<ReceivedMessage> measured = CalibrationMessages();
  EXPECT_EQ(CompareMessages(measured, {{WM_MON_SENSOR_IMAGE, 0, 0},
                                       {WM_MON_SENSOR_IMAGE, 0, 0},
                                       {WM_MON_SENSOR_IMAGE, 0, 0},
                                       {WM_MON_SENSOR_IMAGE, 0, 0},
                                       {WM_MON_SENSOR_IMAGE, 0, 0},
                                       {WM_MON_CALIBRATION_MODE, 0, 1}}),
            "");
  for (std::size_t i = 1; i < measured.size(); ++i) {
    const DWORD gap = measured[i].receivedAt - measured[i - 1].receivedAt;
    EXPECT_GE(gap, 1700u) << "request " << i;
    EXPECT_LE(gap, 2600u) << "request " << i;
  }

  // A new image without a file to read, then the mouse's failure: the failure page.
  ASSERT_TRUE(::PostMessageW(wizard, WM_CAL_IMAGE_READY, 0, 0));
  ASSERT_TRUE(::PostMessageW(wizard, WM_CAL_STEP, 0, 2));
  ASSERT_TRUE(Shows(wizard, ids::kTextWizardRetry));
  EXPECT_FALSE(Visible(wizard, ids::kTextWizardContinue));
  // Retry evaluates again without new images.
  monitor_->Clear();
  ASSERT_TRUE(PostClick(DescendantButton(wizard, English(ids::kTextWizardRetry))));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_CALIBRATION_MODE, 5000));
  PumpFor(2500);
  EXPECT_EQ(CompareMessages(CalibrationMessages(), {{WM_MON_CALIBRATION_MODE, 0, 1}}), "");

  // Success while the failure page shows: the finish, then Continue and the acceptance.
  ASSERT_TRUE(::PostMessageW(wizard, WM_CAL_STEP, 0, 1));
  ASSERT_TRUE(Shows(wizard, ids::kTextWizardContinue));
  EXPECT_FALSE(Visible(wizard, ids::kTextWizardRetry));
  ASSERT_TRUE(PostClick(DescendantButton(wizard, English(ids::kTextWizardContinue))));
  ASSERT_TRUE(WaitUntilGone(wizard, 5000));
  const HWND accept = program_->WaitForPopup(English(ids::kTextButtonAccept), 5000);
  ASSERT_NE(accept, nullptr);
  EXPECT_NE(OptionProgram::PopupTexts(accept).find(L"15 sec"), std::wstring::npos);
  ASSERT_TRUE(program_->AnswerPopup(accept, English(ids::kTextButtonAccept)));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_CALIBRATION_MODE, 5000, 2));
  EXPECT_EQ(CompareMessages(CalibrationMessages(), {{WM_MON_CALIBRATION_MODE, 0, 1}, {WM_MON_CALIBRATION_MODE, 0, 2}}),
            "");
  EXPECT_TRUE(IsChecked(Control(ids::kTextLabelPscOn)));
  EXPECT_TRUE(::IsWindowEnabled(Control(ids::kTextLabelRecalibrate)));
  EXPECT_EQ(monitor_->Block()->config.TrackControlFlag, 1);
}

TEST_F(OptionCalibration, CancellingTheWizardStartedBySwitchingOnLeavesTheFunctionOff) {
  EXPECT_FALSE(::IsWindowEnabled(Control(ids::kTextLabelRecalibrate)));
  ASSERT_TRUE(PostClick(Control(ids::kTextLabelPscOn)));
  const HWND wizard = WaitForWizard(5000);
  ASSERT_NE(wizard, nullptr);
  ASSERT_TRUE(program_->AnswerPopup(wizard, English(ids::kTextButtonCancel)));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_CALIBRATION_MODE, 5000));
  EXPECT_EQ(CompareMessages(CalibrationMessages(), {{WM_MON_CALIBRATION_MODE, 0, 3}}), "");
  EXPECT_TRUE(IsChecked(Control(ids::kTextLabelPscOff)));
  EXPECT_FALSE(IsChecked(Control(ids::kTextLabelPscOn)));
  EXPECT_FALSE(::IsWindowEnabled(Control(ids::kTextLabelRecalibrate)));
  EXPECT_EQ(monitor_->Block()->config.TrackControlFlag, 0);
  EXPECT_EQ(ConfigInt(install_.folder(), "TrackControlFlag"), 0);
}

TEST_F(OptionCalibration, ARecalibrationRefusedInTimeKeepsTheFunctionOnAndClosingFromOutsideDiscards) {
  // Switched on beforehand (with the monitor's earlier calibration).
  monitor_->Change([](SharedDataBlock& block) { block.config.TrackControlFlag = 1; });
  ASSERT_TRUE(PostNotice(WM_OPT_DEVICE_READ_DONE));
  ASSERT_TRUE(PumpUntil([&] { return ::IsWindowEnabled(Control(ids::kTextLabelRecalibrate)) != FALSE; }, 5000));

  ASSERT_TRUE(PostClick(Control(ids::kTextLabelRecalibrate)));
  HWND wizard = WaitForWizard(5000);
  ASSERT_NE(wizard, nullptr);
  ASSERT_TRUE(::PostMessageW(wizard, WM_CAL_STEP, 0, 1));
  // An answer before Start is stray: the start page stays.
  PumpFor(300);
  EXPECT_TRUE(Visible(wizard, ids::kTextWizardStart));
  ASSERT_TRUE(PostClick(DescendantButton(wizard, English(ids::kTextWizardStart))));
  ASSERT_TRUE(::PostMessageW(wizard, WM_CAL_STEP, 0, 1));
  ASSERT_TRUE(Shows(wizard, ids::kTextWizardContinue));
  ASSERT_TRUE(PostClick(DescendantButton(wizard, English(ids::kTextWizardContinue))));
  ASSERT_TRUE(WaitUntilGone(wizard, 5000)) << "the wizard has a Cancel button of its own";
  HWND accept = program_->WaitForPopup(English(ids::kTextButtonCancel), 5000);
  ASSERT_NE(accept, nullptr);
  monitor_->Clear();
  ASSERT_TRUE(program_->AnswerPopup(accept, English(ids::kTextButtonCancel)));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_CALIBRATION_MODE, 5000));
  EXPECT_EQ(CompareMessages(CalibrationMessages(), {{WM_MON_CALIBRATION_MODE, 0, 3}}), "");
  // Started from the button: the function stays on.
  EXPECT_TRUE(IsChecked(Control(ids::kTextLabelPscOn)));
  EXPECT_EQ(monitor_->Block()->config.TrackControlFlag, 1);

  // The program closed from outside while the wizard runs: discarded, then it ends.
  ASSERT_TRUE(PostClick(Control(ids::kTextLabelRecalibrate)));
  wizard = WaitForWizard(5000);
  ASSERT_NE(wizard, nullptr);
  monitor_->Clear();
  ASSERT_TRUE(::PostMessageW(program_->window(), WM_CLOSE, 0, 0));
  ASSERT_TRUE(program_->WaitForExit(10000));
  EXPECT_EQ(CompareMessages(CalibrationMessages(), {{WM_MON_CALIBRATION_MODE, 0, 3}}), "");
}

// Without a monitor nothing can be measured: the switch says so and stays off.
class OptionCalibrationWithoutMonitor : public OptionTest {};

TEST_F(OptionCalibrationWithoutMonitor, SwitchingOnIsRefusedWithANotice) {
  ASSERT_TRUE(WriteConfiguration(install_.folder(), *SaneConfiguration(1)));
  ASSERT_TRUE(Start());
  ASSERT_TRUE(program_->Click(English(kTextLabelTabAdvanced)));
  HWND on = nullptr;
  // The page makes its controls when it is first shown.
  ASSERT_TRUE(PumpUntil([&] { return (on = DescendantButton(program_->window(), English(ids::kTextLabelPscOn))) != nullptr; }, 5000));
  ASSERT_TRUE(PostClick(on));
  const HWND notice = program_->WaitForPopup(English(ids::kTextButtonOk), 5000);
  ASSERT_NE(notice, nullptr);
  EXPECT_NE(OptionProgram::PopupTexts(notice).find(English(ids::kTextNoticeCalibrationNeedsMonitor)), std::wstring::npos);
  EXPECT_EQ(::FindWindowA(nullptr, kCalibrationWindowTitle), nullptr);
  ASSERT_TRUE(program_->AnswerPopup(notice, English(ids::kTextButtonOk)));
  EXPECT_FALSE(IsChecked(on));
  EXPECT_TRUE(IsChecked(DescendantButton(program_->window(), English(ids::kTextLabelPscOff))));
  EXPECT_FALSE(::IsWindowEnabled(DescendantButton(program_->window(), English(ids::kTextLabelRecalibrate))));
}

}  // namespace
}  // namespace orvix::test
