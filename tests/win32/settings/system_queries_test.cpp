#include <gtest/gtest.h>
#include <windows.h>

#include "KeyTableCases.h"
#include "KeyboardLayout_win.h"
#include "SystemInfo_win.h"

namespace orvix {
namespace {

TEST(ActiveKeyboardLayout, PassesTheUsCases) {
  // The test display has the US layout.
  ASSERT_EQ(LOWORD(reinterpret_cast<UINT_PTR>(::GetKeyboardLayout(0))), 0x0409);
  const ActiveKeyboardLayout layout;
  testing::ExpectUsLayoutCases(layout);
  EXPECT_EQ(layout.VirtualKeyFromScanCode(0x2A), 0xA0);  // left and right Shift told apart
  EXPECT_EQ(layout.VirtualKeyFromScanCode(0x36), 0xA1);
  EXPECT_EQ(layout.UpperCase('q'), 'Q');
}

TEST(WindowsSystemInfo, AnswersAboutTheRunningSystem) {
  WindowsSystemInfo system;
  const std::string module = system.ModulePath();
  EXPECT_NE(module.find("settings_win_tests.exe"), std::string::npos);
  EXPECT_TRUE(system.FileExists(module));
  EXPECT_FALSE(system.FileExists(ProgramFolder(system)));  // a folder is no file
  EXPECT_FALSE(system.FileExists(ProgramFolder(system) + "no such file.ini"));
  EXPECT_EQ(ProgramFolder(system).back(), '\\');

  const std::string common = system.CommonAppDataFolder();
  ASSERT_FALSE(common.empty());
  EXPECT_NE(::GetFileAttributesA(common.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(CompanionFolder(system), common + "\\NORVEL\\Parly\\");

  const OsVersion version = system.Version();
  EXPECT_EQ(version.platform, OsPlatform::kWindowsNt);
  EXPECT_GE(version.major, 5);
  const int language = DetectLanguage(system);
  EXPECT_GE(language, 0);
  EXPECT_LE(language, 16);
}

}  // namespace
}  // namespace orvix
