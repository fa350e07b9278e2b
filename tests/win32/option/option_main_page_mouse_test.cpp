#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "MainPageDriver_win.h"
#include "OptionWithMouse_win.h"

namespace orvix::test {
namespace {

using OptionMainPageWithMouse = OptionWithMouse;

// The DPI of the five levels of the mouse's current profile, from the control tool's dump;
// zeros when the dump does not say.
std::array<int, 5> CurrentLevels(const std::string& dump) {
  std::array<int, 5> dpi{};
  const auto current = dump.find("(current):");
  const auto line = current == std::string::npos ? current : dump.find("dpi levels:", current);
  if (line != std::string::npos)
    std::sscanf(dump.c_str() + line, "dpi levels: %d %d %d %d %d", &dpi[0], &dpi[1], &dpi[2], &dpi[3], &dpi[4]);
  return dpi;
}

TEST_F(OptionMainPageWithMouse, ADpiLevelTypedOnTheMainPageAndAppliedIsInTheMouse) {
  const std::array<int, 5> before = CurrentLevels(Mouse("dump").output);
  ASSERT_NE(before[2], 0) << Mouse("dump").output;
  ASSERT_NE(before[2], 5000);
  main_page::Settle();  // the start's last refresh
  const HWND page = main_page::Page(program_->window());
  ASSERT_NE(page, nullptr);
  const HWND box = ::GetDlgItem(main_page::Row(page, 2), main_page::kRowNumber);
  ASSERT_TRUE(main_page::Type(box, L"5000"));
  main_page::Settle();
  ASSERT_EQ(main_page::NumberText(box), L"5000");
  ASSERT_TRUE(program_->Click(L"Apply"));
  std::array<int, 5> after{};
  EXPECT_TRUE(PumpUntil([&] { return (after = CurrentLevels(Mouse("dump").output))[2] == 5000; }, 15000))
      << Mouse("dump").output;
  for (int level : {0, 1, 3, 4}) EXPECT_EQ(after[level], before[level]) << "level " << level;
  EXPECT_TRUE(WaitUntilIdle());
  EXPECT_FALSE(monitor_->HasExited());
}

}  // namespace
}  // namespace orvix::test
