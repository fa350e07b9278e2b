#include <gtest/gtest.h>

#include <cstring>

#include "OptionFixtures_win.h"

namespace orvix::test {
namespace {

struct TitleCount {
  const char* title;
  int n = 0;
};

BOOL CALLBACK CountTitled(HWND window, LPARAM data) {
  auto& count = *reinterpret_cast<TitleCount*>(data);
  char text[128] = {};
  ::GetWindowTextA(window, text, sizeof text);
  if (std::strcmp(text, count.title) == 0) ++count.n;
  return TRUE;
}

int WindowsTitled(const char* title) {
  TitleCount count{title};
  ::EnumWindows(&CountTitled, reinterpret_cast<LPARAM>(&count));
  return count.n;
}

}  // namespace

using OptionFrame = WithStandIn;

TEST_F(OptionFrame, RunsOnceAndShowsTheBlocksNamesAndCurrentSlot) {
  monitor_->Change([](SharedDataBlock& block) { block.config.CurrentProfile = 3; });
  ASSERT_TRUE(Start());
  std::vector<std::wstring> names;
  for (const char* name : kSlotNames) names.push_back(Wide(name));
  EXPECT_EQ(program_->Names(), names);
  EXPECT_EQ(program_->CheckedSlot(), 3);
  EXPECT_TRUE(program_->Checked(L"Main")) << "the main page is shown first";

  // A second start ends by itself and leaves the first window the only one.
  OptionProgram second(install_.folder());
  EXPECT_TRUE(second.WaitForExit(15000));
  EXPECT_EQ(WindowsTitled(kOptionWindowTitle), 1);
  EXPECT_FALSE(program_->HasExited());
  EXPECT_TRUE(program_->Answers(1000));
}

}  // namespace orvix::test

namespace orvix::test {

// A block whose values no monitor writes: out-of-range slots and language, names without
// their ending NUL, every flag set.
TEST_F(OptionFrame, AHostileBlockGivesASaneWindowAndAnApplyThatDoesNotCrash) {
  for (const int current : {7, -1}) {
    SCOPED_TRACE(testing::Message() << "CurrentProfile " << current);
    monitor_->Change([&](SharedDataBlock& block) {
      block.config.CurrentProfile = current;
      block.config.WindowsProfile = 99;
      block.config.QuickHelpLan = 1000;
      block.config.MouseType = 1;
      for (int p = 0; p < kProfiles; ++p)
        std::memset(block.config.profiles[p].ProFileName, 'P' + p, sizeof block.config.profiles[p].ProFileName);
      std::memset(&block.flags, 0xFF, sizeof block.flags);
    });
    ASSERT_TRUE(Start());
    EXPECT_EQ(program_->CheckedSlot(), 0);
    const std::vector<std::wstring> names = program_->Names();
    ASSERT_EQ(names.size(), kSlotCount);
    for (int p = 0; p < kProfiles; ++p) {
      EXPECT_FALSE(names[p].empty());
      EXPECT_LE(names[p].size(), sizeof(ProfileRecord::ProFileName));
      EXPECT_EQ(names[p].find_first_not_of(static_cast<wchar_t>(L'P' + p)), std::wstring::npos);
    }
    EXPECT_NE(program_->Button(L"Main"), nullptr) << "a language outside the table is English";
    EXPECT_TRUE(program_->Badge() && ::IsWindowVisible(program_->Badge())) << "MouseType 1 shows the badge";

    ASSERT_TRUE(ClickThenApply(L"Profile 2"));
    const ReceivedMessage& apply = *monitor_->Last(WM_MON_APPLY_ALL);
    EXPECT_EQ(apply.block->config.CurrentProfile, 1);
    EXPECT_EQ(SetFlags(apply.block->flags), "currentProfile=1");
    EXPECT_EQ(program_->CheckedSlot(), 1);
    ASSERT_TRUE(program_->Click(L"Cancel"));
    EXPECT_TRUE(program_->WaitForExit(10000));
    EXPECT_EQ(program_->ExitCode(), 0u);
    monitor_->Clear();
  }
}

}  // namespace orvix::test
