#include <gtest/gtest.h>

#include <cstring>

#include "OptionFixtures_win.h"

namespace orvix::test {
namespace {

int WindowsTitled(const char* title) {
  struct Count {
    const char* title;
    int n = 0;
  } count{title};
  ::EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& c = *reinterpret_cast<Count*>(data);
        char text[128] = {};
        ::GetWindowTextA(window, text, sizeof text);
        if (std::strcmp(text, c.title) == 0) ++c.n;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
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
