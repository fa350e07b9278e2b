#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "pages/advanced/AdvancedPageTexts.h"
#include "AdvancedPageDriver_win.h"
#include "OptionFixtures_win.h"
#include "TextIds.h"

namespace orvix::test {
namespace {

namespace ids = orvix::advanced;

std::wstring English(int id) { return TableText(id, kEnglish); }

// End to end: the advanced page with the real monitor and the virtual mouse.
class OptionAdvancedWithMouse : public ::testing::Test {
 protected:
  void SetUp() override {
    monitor_ = std::make_unique<MonitorProcess>(install_.folder());
    {
      // Until the monitor has read the mouse: told to a stand-in of the program's window,
      // which is gone before the program's own comes.
      FakeOptionWindow listener;
      ASSERT_TRUE(monitor_->WaitForWindow(15000) && listener.WaitFor(WM_OPT_DEVICE_READ_DONE, 60000));
    }
    program_ = std::make_unique<OptionProgram>(install_.folder());
    ASSERT_NE(program_->WaitForWindow(), nullptr);
    ASSERT_TRUE(program_->Click(English(kTextLabelTabAdvanced)));
    ASSERT_TRUE(PumpUntil([&] { return Control(ids::kTextLabelPscOn) != nullptr; }, 5000));
  }

  HWND Control(const std::wstring& label) const { return DescendantButton(program_->window(), label); }
  HWND Control(int labelText) const { return Control(English(labelText)); }
  std::string Dump() {
    return RunProgram("\"" + install_.Path("OrvixOneMouseControl.exe") + "\" dump").output;
  }
  // A number that follows `key` in the dump's part from `from` on; -1 when missing.
  static int After(const std::string& dump, const std::string& from, const std::string& key) {
    const auto start = dump.find(from);
    const auto at = start == std::string::npos ? start : dump.find(key, start);
    int value = -1;
    if (at != std::string::npos) std::sscanf(dump.c_str() + at + key.size(), "%d", &value);
    return value;
  }

  InstallCopy install_;
  std::unique_ptr<MonitorProcess> monitor_;
  std::unique_ptr<OptionProgram> program_;
};

TEST_F(OptionAdvancedWithMouse, ThePollingRateReachesTheMouseAndACalibrationCompletesAgainstIt) {
  // The polling rate of the current profile, applied.
  ASSERT_TRUE(PostClick(Control(L"250Hz")));
  ASSERT_TRUE(program_->Click(English(kTextLabelApply)));
  EXPECT_TRUE(PumpUntil([&] { return After(Dump(), "(current):", "polling rate: ") == 1; }, 15000)) << Dump();

  // The calibration: the monitor takes the sensor images, the mouse judges the surface.
  ASSERT_TRUE(PostClick(Control(ids::kTextLabelPscOn)));
  const HWND wizard = WaitForWizard(10000);
  ASSERT_NE(wizard, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return DescendantButton(wizard, English(ids::kTextWizardStart)) != nullptr; }, 5000));
  ASSERT_TRUE(PostClick(DescendantButton(wizard, English(ids::kTextWizardStart))));
  const auto shown = [&](int labelText) {
    const HWND button = DescendantButton(wizard, English(labelText));
    return button && ::IsWindowVisible(button);
  };
  ASSERT_TRUE(PumpUntil([&] { return shown(ids::kTextWizardContinue) || shown(ids::kTextWizardRetry); }, 30000));
  ASSERT_TRUE(shown(ids::kTextWizardContinue)) << "the mouse found the surface unfit: " << Dump();
  EXPECT_GT(After(Dump(), "tracking:", "calibration value "), 0) << Dump();
  ASSERT_TRUE(PostClick(DescendantButton(wizard, English(ids::kTextWizardContinue))));
  ASSERT_TRUE(WaitUntilGone(wizard, 5000));
  const HWND accept = program_->WaitForPopup(English(ids::kTextButtonAccept), 5000);
  ASSERT_NE(accept, nullptr);
  ASSERT_TRUE(program_->AnswerPopup(accept, English(ids::kTextButtonAccept)));
  EXPECT_TRUE(PumpUntil([&] { return After(Dump(), "tracking:", "calibration mode ") == 1; }, 10000)) << Dump();
  EXPECT_EQ(After(Dump(), "tracking:", "tracking control "), 1) << Dump();
  EXPECT_EQ(ConfigInt(install_.folder(), "TrackControlFlag"), 1);
}

}  // namespace
}  // namespace orvix::test
