#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "MainPageDriver_win.h"
#include "OptionFixtures_win.h"

namespace orvix::test {
namespace {

using namespace main_page;

constexpr int kSlot = 1;  // the stand-in's current profile

int RegistryNumber(const char* key, const char* value) {
  char text[32] = {};
  DWORD size = sizeof text;
  if (::RegGetValueA(HKEY_CURRENT_USER, key, value, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) return -1;
  return std::atoi(text);
}

// Windows' double-click time as another process sees it. Wine keeps a time set without
// saving it in a volatile key of its own, read before the saved one; a process reads it
// once, so this one asks the registry each time.
int SystemDoubleClickTime() {
  const int set =
      RegistryNumber("Software\\Wine\\Temporary System Parameters\\Control Panel\\Mouse", "DoubleClickSpeed");
  return set >= 0 ? set : RegistryNumber("Control Panel\\Mouse", "DoubleClickSpeed");
}

class OptionMainPage : public WithStandIn {
 protected:
  bool StartOnPage() {
    if (!Start()) return false;
    // The start's last refresh (after the offer of kept edits) shows the block again.
    Settle();
    page_ = Page(program_->window());
    return page_ != nullptr;
  }
  HWND Control(int id) const { return ::GetDlgItem(page_, id); }
  HWND RowControl(int level, int id) const { return ::GetDlgItem(Row(page_, level), id); }

  // Apply, and the block and flags it handed over.
  const ReceivedMessage* ApplyAndWait() {
    const int before = monitor_->Count(WM_MON_APPLY_ALL);
    if (!program_->Click(L"Apply") || !monitor_->WaitFor(WM_MON_APPLY_ALL, 10000, before + 1) || !WaitUntilIdle())
      return nullptr;
    return monitor_->Last(WM_MON_APPLY_ALL);
  }

  HWND page_ = nullptr;
};

bool SameProfile(const ProfileRecord& a, const ProfileRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Each control writes its own field of the current profile and nothing else; an Apply then
// asks the monitor for the device settings only where a field of report 6 changed.
TEST_F(OptionMainPage, EachControlWritesItsFieldAndTheApplyMarksWhatItChanged) {
  ASSERT_TRUE(StartOnPage());
  auto previous = std::make_unique<ProfileRecord>(config_->profiles[kSlot]);
  ASSERT_EQ(previous->Sensitivity, 6);
  ASSERT_EQ(previous->CpiLevel_X[0], 4);
  ASSERT_EQ(previous->CpiLevel_X[1], 8);
  ASSERT_EQ(previous->ScrollWheelFlag, 0);

  struct Step {
    const char* what;
    std::function<bool()> act;
    std::function<void(ProfileRecord&)> change;
    const char* flags;
  };
  const Step steps[] = {
      {"sensitivity slider to 1", [&] { return MoveSlider(Control(kSensitivitySlider), 0); },
       [](ProfileRecord& p) { p.Sensitivity = 1; }, "settings[1]=1"},
      {"sensitivity box to 5", [&] { return Type(Control(kSensitivityNumber), L"5"); },
       [](ProfileRecord& p) { p.Sensitivity = 11; }, "settings[1]=1"},
      {"scroll speed to 10", [&] { return SliderToEnd(Control(kScrollSlider)); },
       [](ProfileRecord& p) { p.ScrollWheelSpeed = 10; }, "none"},
      {"one page per notch", [&] { return Click(ChildButton(page_, L"One page per notch")); },
       [](ProfileRecord& p) { p.ScrollWheelFlag = 1; }, "none"},
      {"tilt speed to 1", [&] { return MoveSlider(Control(kTiltSlider), 0); },
       [](ProfileRecord& p) { p.TiltSpeed = 1; }, "none"},
      {"double click fastest", [&] { return SliderToEnd(Control(kDoubleClickSlider)); },
       [](ProfileRecord& p) { p.DbleClickSpeed = 200; }, "none"},
      {"row 3 off", [&] { return Click(RowButton(Row(page_, 2), L"Enable")); },
       [](ProfileRecord& p) { p.dpi[2] = 0; }, "settings[1]=1"},
      {"row 1 typed 8300", [&] { return Type(RowControl(0, kRowNumber), L"8300"); },
       [](ProfileRecord& p) { p.CpiLevel_X[0] = 41; }, "settings[1]=1"},
      {"row 2 typed 1100", [&] { return Type(RowControl(1, kRowNumber), L"1100"); },
       [](ProfileRecord& p) { p.CpiLevel_X[1] = 5; }, "settings[1]=1"},
      {"row 2 slider to 12", [&] { return MoveSlider(RowControl(1, kRowSlider), 11); },
       [](ProfileRecord& p) { p.CpiLevel_X[1] = 12; }, "settings[1]=1"},
      {"row 5 preset 2000", [&] { return Click(RowButton(Row(page_, 4), L"2000")); },
       [](ProfileRecord& p) { p.CpiLevel_X[4] = 10; }, "settings[1]=1"},
      {"row 4 made active", [&] { return Click(RowButton(Row(page_, 3), L"Level 4")); },
       [](ProfileRecord& p) { p.Cpi_X = 3; }, "settings[1]=1"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    ASSERT_TRUE(step.act());
    Settle();
    const ReceivedMessage* apply = ApplyAndWait();
    ASSERT_NE(apply, nullptr);
    auto expected = std::make_unique<ProfileRecord>(*previous);
    step.change(*expected);
    const ProfileRecord& handed = apply->block->config.profiles[kSlot];
    EXPECT_TRUE(SameProfile(handed, *expected)) << "another field changed, or this one did not";
    EXPECT_EQ(SetFlags(apply->block->flags), step.flags);
    for (int p = 0; p < kProfiles; ++p) {
      if (p == kSlot) continue;
      EXPECT_TRUE(SameProfile(apply->block->config.profiles[p], config_->profiles[p])) << p;
    }
    *previous = handed;
  }
  // What the controls show after them.
  EXPECT_EQ(NumberText(RowControl(0, kRowNumber)), L"8200");
  EXPECT_EQ(NumberText(RowControl(1, kRowNumber)), L"2400");
  EXPECT_EQ(NumberText(RowControl(4, kRowNumber)), L"2000");
  EXPECT_EQ(NumberText(Control(kSensitivityNumber)), L"5");
}

TEST_F(OptionMainPage, TypedDpiValuesAreClampedAndRoundedDownToALevel) {
  ASSERT_TRUE(StartOnPage());
  const HWND box = RowControl(1, kRowNumber);
  for (auto [typed, shown, level] : {std::tuple{L"8300", L"8200", 41}, {L"1000", L"1000", 5}, {L"1100", L"1000", 5},
                                     {L"0", L"200", 1}, {L"00450", L"400", 2}}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(typed)));
    ASSERT_TRUE(Type(box, typed));
    Settle();
    EXPECT_EQ(NumberText(box), shown);
    const ReceivedMessage* apply = ApplyAndWait();
    ASSERT_NE(apply, nullptr);
    EXPECT_EQ(apply->block->config.profiles[kSlot].CpiLevel_X[1], level);
  }
}

TEST_F(OptionMainPage, TheActiveRowsCheckBoxIsOnAndCannotBeSwitchedOff) {
  ASSERT_TRUE(StartOnPage());
  auto enabledBoxes = [&] {
    std::string on;
    for (int i = 0; i < kDpiLevels; ++i) on += ::IsWindowEnabled(RowButton(Row(page_, i), L"Enable")) ? '1' : '0';
    return on;
  };
  EXPECT_EQ(enabledBoxes(), "01111") << "level 1 is the active one at the start";
  ASSERT_TRUE(Click(RowButton(Row(page_, 3), L"Level 4")));
  Settle();
  EXPECT_EQ(enabledBoxes(), "11101");
  EXPECT_TRUE(program_->Answers(1000));
  EXPECT_TRUE(IsWindowChecked(RowButton(Row(page_, 3), L"Enable")));
  // A click on the disabled box changes nothing.
  ASSERT_TRUE(Click(RowButton(Row(page_, 3), L"Enable")));
  Settle();
  const ReceivedMessage* apply = ApplyAndWait();
  ASSERT_NE(apply, nullptr);
  EXPECT_EQ(apply->block->config.profiles[kSlot].Cpi_X, 3);
  EXPECT_EQ(apply->block->config.profiles[kSlot].dpi[3], 1);

  // A row switched off: its level controls are out of use, its box is not.
  ASSERT_TRUE(Click(RowButton(Row(page_, 1), L"Enable")));
  Settle();
  EXPECT_FALSE(::IsWindowEnabled(RowControl(1, kRowSlider)));
  EXPECT_FALSE(::IsWindowEnabled(RowButton(Row(page_, 1), L"4000")));
  EXPECT_TRUE(::IsWindowEnabled(RowButton(Row(page_, 1), L"Enable")));
  ASSERT_TRUE(Click(RowButton(Row(page_, 1), L"4000")));
  Settle();
  apply = ApplyAndWait();
  ASSERT_NE(apply, nullptr);
  EXPECT_EQ(apply->block->config.profiles[kSlot].dpi[1], 0);
  EXPECT_EQ(apply->block->config.profiles[kSlot].CpiLevel_X[1], 8) << "a preset of a row that is off worked";
}

TEST_F(OptionMainPage, ASlotShowsItsOwnProfileClampedAndNothingIsWrittenUntilAControlMoves) {
  monitor_->Change([](SharedDataBlock& block) {
    ProfileRecord& p = block.config.profiles[3];
    p.Sensitivity = 30;
    p.CpiLevel_X[2] = 99;
    p.Cpi_X = 12;
    p.DbleClickSpeed = 500;
  });
  ASSERT_TRUE(StartOnPage());
  ASSERT_TRUE(program_->Click(L"Profile 4"));
  ASSERT_TRUE(PumpUntil([&] { return NumberText(Control(kSensitivityNumber)) == L"5"; }, 5000))
      << "shows " << testing::PrintToString(NumberText(Control(kSensitivityNumber)));
  EXPECT_EQ(NumberText(RowControl(2, kRowNumber)), L"8200");
  EXPECT_FALSE(::IsWindowEnabled(RowButton(Row(page_, 4), L"Enable"))) << "a level beyond the last marks the last";
  const ReceivedMessage* apply = ApplyAndWait();
  ASSERT_NE(apply, nullptr);
  EXPECT_EQ(SetFlags(apply->block->flags), "currentProfile=1");
  const ProfileRecord& handed = apply->block->config.profiles[3];
  EXPECT_EQ(handed.Sensitivity, 30);
  EXPECT_EQ(handed.CpiLevel_X[2], 99);
  EXPECT_EQ(handed.Cpi_X, 12);
  EXPECT_EQ(handed.DbleClickSpeed, 500);
  // Moving the row's slider writes the level it shows.
  ASSERT_TRUE(::PostMessageW(RowControl(2, kRowSlider), WM_KEYDOWN, VK_LEFT, 1));
  Settle();
  apply = ApplyAndWait();
  ASSERT_NE(apply, nullptr);
  EXPECT_EQ(apply->block->config.profiles[3].CpiLevel_X[2], 40);
}

// The slider sets Windows' time at once; the program's end puts back the time of the
// profile last applied: an unapplied change goes, an applied one stays.
TEST_F(OptionMainPage, TheDoubleClickTimeChangesAtOnceAndAnUnappliedChangeIsUndoneAtTheEnd) {
  ASSERT_EQ(config_->profiles[kSlot].DbleClickSpeed, 480);
  ASSERT_TRUE(::SetDoubleClickTime(480));  // what an earlier test left is gone
  ASSERT_TRUE(StartOnPage());
  ASSERT_TRUE(PumpUntil([] { return SystemDoubleClickTime() == 480; }, 5000)) << SystemDoubleClickTime();
  ASSERT_TRUE(SliderToEnd(Control(kDoubleClickSlider)));
  EXPECT_TRUE(PumpUntil([] { return SystemDoubleClickTime() == 200; }, 5000)) << SystemDoubleClickTime();
  ASSERT_TRUE(program_->Click(L"Cancel"));
  ASSERT_TRUE(program_->WaitForExit(10000));
  EXPECT_EQ(SystemDoubleClickTime(), 480) << "the cancelled change stayed in Windows";

  ASSERT_TRUE(StartOnPage());
  ASSERT_TRUE(MoveSlider(Control(kDoubleClickSlider), 0));
  EXPECT_TRUE(PumpUntil([] { return SystemDoubleClickTime() == 900; }, 5000)) << SystemDoubleClickTime();
  ASSERT_NE(ApplyAndWait(), nullptr);
  ASSERT_TRUE(MoveSlider(Control(kDoubleClickSlider), 5));
  EXPECT_TRUE(PumpUntil([] { return SystemDoubleClickTime() == 550; }, 5000)) << SystemDoubleClickTime();
  ASSERT_TRUE(program_->Click(L"Cancel"));
  ASSERT_TRUE(program_->WaitForExit(10000));
  EXPECT_EQ(SystemDoubleClickTime(), 900) << "the applied time did not stay";
}

TEST_F(OptionMainPage, ADoubleClickPlaysTheClipASingleClickDoesNot) {
  ASSERT_TRUE(StartOnPage());
  const HWND test = ChildButton(page_, L"Double-click the picture to try the speed");
  ASSERT_NE(test, nullptr);
  auto clip = [&] { return ::FindWindowExW(test, nullptr, L"SysAnimate32", nullptr); };
  ASSERT_TRUE(Click(test));
  Settle();
  EXPECT_EQ(clip(), nullptr) << "a single click played the clip";
  RECT r;
  ::GetClientRect(test, &r);
  const LPARAM middle = MAKELPARAM(r.right / 2, r.bottom / 2);
  ASSERT_TRUE(Post(test, WM_LBUTTONDOWN, MK_LBUTTON, middle));
  ASSERT_TRUE(Post(test, WM_LBUTTONUP, 0, middle));
  ASSERT_TRUE(Post(test, WM_LBUTTONDBLCLK, MK_LBUTTON, middle));
  ASSERT_TRUE(Post(test, WM_LBUTTONUP, 0, middle));
  ASSERT_TRUE(PumpUntil([&] { return clip() && ::IsWindowVisible(clip()); }, 3000)) << "no clip after a double click";
  // The clip runs once and hands the picture back.
  EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(clip()); }, 5000)) << "the clip did not stop";
  EXPECT_TRUE(program_->Answers(1000));
}

}  // namespace
}  // namespace orvix::test
