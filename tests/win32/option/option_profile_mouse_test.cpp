#include <gtest/gtest.h>

#include <string>

#include "FileDialogDriver_win.h"
#include "OptionWithMouse_win.h"

namespace orvix::test {
namespace {

// What the mouse's memory holds for profile `p`: its section of the control tool's dump,
// without the heading (which marks the current profile).
std::string ProfileSection(const std::string& dump, int p) {
  const std::string heading = "profile " + std::to_string(p);
  std::size_t at = dump.find("\n" + heading + ":");
  if (at == std::string::npos) at = dump.find("\n" + heading + " (current):");
  if (at == std::string::npos) return {};
  const std::size_t body = dump.find('\n', at + 1);
  const std::size_t end = dump.find("\nprofile ", body);
  return dump.substr(body, end == std::string::npos ? std::string::npos : end - body);
}

}  // namespace

using ProfileWithMouse = OptionWithMouse;

TEST_F(ProfileWithMouse, AnExportedProfileLoadedIntoAnotherSlotGivesTheSameProfileInTheMouse) {
  const std::string before = Mouse("dump").output;
  ASSERT_NE(ProfileSection(before, 0), "") << before;
  ASSERT_NE(ProfileSection(before, 0), ProfileSection(before, 3)) << "the default slots differ in their lights";

  // Slot 1 is saved to a file, slot 4 chosen and the file loaded into it.
  ASSERT_TRUE(program_->Click(L"Profile 1"));
  ASSERT_TRUE(PumpUntil([&] { return program_->CheckedSlot() == 0; }, 5000));
  const std::string exported = install_.folder() + "Exported.nmp";
  ASSERT_TRUE(program_->Click(L"Save"));
  ASSERT_TRUE(AnswerFileDialog(*program_, exported));
  ASSERT_TRUE(PumpUntil([&] { return ReadWholeFile(exported).has_value(); }, 10000));
  ASSERT_TRUE(program_->Click(L"Profile 4"));
  ASSERT_TRUE(PumpUntil([&] { return program_->CheckedSlot() == 3; }, 5000));
  ASSERT_TRUE(program_->Click(L"Load"));
  ASSERT_TRUE(AnswerFileDialog(*program_, exported));
  ASSERT_TRUE(PumpUntil([&] { return program_->Names()[3] == program_->Names()[0]; }, 10000));

  ASSERT_TRUE(program_->Click(L"Apply"));
  ASSERT_TRUE(PumpUntil([&] { return Dump().profile == 3; }, 15000));
  ASSERT_TRUE(WaitUntilIdle());
  const std::string after = Mouse("dump").output;
  EXPECT_EQ(ProfileSection(after, 3), ProfileSection(before, 0)) << after;
  EXPECT_EQ(ProfileSection(after, 0), ProfileSection(before, 0));
}

}  // namespace orvix::test
