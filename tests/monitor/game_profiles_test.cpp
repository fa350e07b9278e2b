#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/GameProfiles.h"
#include "core/MonitorPorts.h"

namespace orvix {
namespace {

template <std::size_t N>
void Store(char (&field)[N], const char* text) {
  std::strncpy(field, text, N);
}

TEST(GameFileProgramName, TrimsAndDropsTheFolder) {
  char field[500] = {};
  Store(field, " \t C:\\Games\\Foo Bar\\Foo.EXE \r\n");
  EXPECT_EQ(GameFileProgramName(field, sizeof field), "Foo.EXE");
  Store(field, "D:/games/quake.exe");
  EXPECT_EQ(GameFileProgramName(field, sizeof field), "quake.exe");
  Store(field, "plain.exe");
  EXPECT_EQ(GameFileProgramName(field, sizeof field), "plain.exe");
  Store(field, "   \t ");
  EXPECT_EQ(GameFileProgramName(field, sizeof field), "");
  Store(field, "C:\\Games\\");
  EXPECT_EQ(GameFileProgramName(field, sizeof field), "");

  std::memset(field, 'a', sizeof field);  // no terminator anywhere
  EXPECT_EQ(GameFileProgramName(field, sizeof field), std::string(500, 'a'));
}

class ForegroundChoiceTest : public ::testing::Test {
 protected:
  ForegroundChoiceTest() : config_(std::make_unique<ConfigRecord>()) {
    config_->CurrentProfile = 0;
    config_->WindowsProfile = 0;
    Store(config_->profiles[2].GameFile2, "C:\\Games\\Foo.EXE");
    Store(config_->profiles[4].GameFile0, "E:\\Other\\foo.exe");
    Store(config_->profiles[3].GameFile1, "  ");
  }
  std::optional<ProfileSwitch> Choose(std::optional<std::string> program, bool configurationOpen = false) {
    return ChooseForegroundProfile(*config_, program, configurationOpen);
  }

  std::unique_ptr<ConfigRecord> config_;
};

TEST_F(ForegroundChoiceTest, FirstProfileNamingTheProgramWins) {
  EXPECT_EQ(ProfileNamingProgram(*config_, "foo.exe"), 2);
  EXPECT_EQ(ProfileNamingProgram(*config_, "FOO.exe"), 2);
  EXPECT_EQ(ProfileNamingProgram(*config_, "foo.ex"), std::nullopt);
  EXPECT_EQ(ProfileNamingProgram(*config_, ""), std::nullopt);  // blank entries name nothing

  const auto game = Choose("foo.exe");
  ASSERT_TRUE(game);
  EXPECT_EQ(game->target, 2);
  EXPECT_EQ(game->soundTimer, kProfileSoundTimerId);
}

TEST_F(ForegroundChoiceTest, NoSwitchWhenTheProfileIsAlreadyCurrent) {
  config_->CurrentProfile = 2;
  EXPECT_FALSE(Choose("foo.exe"));
}

TEST_F(ForegroundChoiceTest, LeavingAGameReturnsToTheWindowsProfileUnlessHeldBack) {
  config_->CurrentProfile = 2;
  const auto back = Choose("explorer.exe");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->target, 0);
  EXPECT_EQ(back->soundTimer, kWindowsProfileSoundTimerId);
  EXPECT_TRUE(Choose(std::nullopt));  // an unknown program counts as no game

  EXPECT_FALSE(Choose("explorer.exe", /*configurationOpen=*/true));
  for (int windowsProfile : {-1, 5, 7, -5}) {
    config_->WindowsProfile = windowsProfile;
    EXPECT_FALSE(Choose("explorer.exe")) << windowsProfile;
  }
}

TEST_F(ForegroundChoiceTest, HostileCurrentProfileIsReplaced) {
  config_->CurrentProfile = 7;
  const auto back = Choose("explorer.exe");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->target, 0);
}

}  // namespace
}  // namespace orvix
