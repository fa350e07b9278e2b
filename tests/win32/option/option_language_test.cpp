#include <gtest/gtest.h>

#include "OptionFixtures_win.h"
#include "TextIds.h"

namespace orvix::test {
namespace {

constexpr int kFrench = 3;
constexpr int kTabLabels[] = {kTextLabelTabMain,  kTextLabelTabButtons, kTextLabelTabAdvanced,
                              kTextLabelTabColor, kTextLabelTabTrophy,  kTextLabelTabUpdate};

}  // namespace

// The language chooser and the labels: a choice shows at once, and only an applied one is
// what the next start shows.
class OptionLanguage : public WithStandIn {
 protected:
  // Every tab, slot button and OK, Apply and Cancel is labelled in `language`.
  ::testing::AssertionResult LabelledIn(int language) const {
    std::vector<std::wstring> wanted;
    for (int id : kTabLabels) wanted.push_back(TableText(id, language));
    for (int slot = 1; slot <= 5; ++slot) wanted.push_back(WithNumber(TableText(kTextLabelSlot, language), slot));
    for (int id : {kTextLabelOk, kTextLabelApply, kTextLabelCancel}) wanted.push_back(TableText(id, language));
    for (const std::wstring& label : wanted)
      if (!program_->Button(label))
        return ::testing::AssertionFailure() << "no button " << testing::PrintToString(label) << " among "
                                             << testing::PrintToString(program_->ButtonLabels());
    return ::testing::AssertionSuccess();
  }
};

TEST_F(OptionLanguage, AChoiceRelabelsAtOnceAndTheNextStartShowsTheOneAppliedLast) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(LabelledIn(kEnglish));

  // The chooser: 17 items, each in its own language.
  ASSERT_TRUE(program_->Click(TableText(kTextLabelSelectLanguage, kEnglish)));
  const HWND chooser = program_->WaitForPopup(L"Deutsch", 5000);
  ASSERT_NE(chooser, nullptr);
  int items = 0;
  for (HWND child = ::FindWindowExW(chooser, nullptr, L"Button", nullptr); child;
       child = ::FindWindowExW(chooser, child, L"Button", nullptr))
    ++items;
  EXPECT_EQ(items, 17);
  for (const wchar_t* name : {L"Fran\u00e7ais", L"\u65e5\u672c\u8a9e", L"English", L"T\u00fcrk\u00e7e"})
    EXPECT_NE(ChildButton(chooser, name), nullptr) << testing::PrintToString(std::wstring(name));
  ASSERT_TRUE(program_->AnswerPopup(chooser, L"Deutsch"));
  EXPECT_TRUE(PumpUntil([&] { return static_cast<bool>(LabelledIn(kGerman)); }, 5000)) << LabelledIn(kGerman);
  EXPECT_EQ(program_->Button(L"Main"), nullptr);

  // Applied: in the block and in "config.ini".
  ASSERT_TRUE(program_->Click(TableText(kTextLabelApply, kGerman)));
  ASSERT_TRUE(monitor_->WaitFor(WM_MON_APPLY_ALL, 10000));
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(monitor_->Last(WM_MON_APPLY_ALL)->block->config.QuickHelpLan, kGerman);
  EXPECT_EQ(ConfigInt(install_.folder(), "QuickHelpLan"), kGerman);

  // Chosen but not applied: shown until the program ends, then gone.
  ASSERT_TRUE(ChooseLanguage(kGerman, L"Fran\u00e7ais"));
  EXPECT_TRUE(PumpUntil([&] { return static_cast<bool>(LabelledIn(kFrench)); }, 5000)) << LabelledIn(kFrench);
  ASSERT_TRUE(program_->Click(TableText(kTextLabelCancel, kFrench)));
  ASSERT_TRUE(program_->WaitForExit(10000));
  EXPECT_EQ(monitor_->Count(WM_MON_APPLY_ALL), 1);
  EXPECT_EQ(ConfigInt(install_.folder(), "QuickHelpLan"), kGerman);

  // The next start, from the monitor's block and without a monitor from the files.
  ASSERT_TRUE(Start());
  EXPECT_TRUE(LabelledIn(kGerman));
  ASSERT_TRUE(program_->Click(TableText(kTextLabelCancel, kGerman)));
  ASSERT_TRUE(program_->WaitForExit(10000));
  monitor_.reset();
  ASSERT_TRUE(Start());
  EXPECT_TRUE(LabelledIn(kGerman));
}

}  // namespace orvix::test
