#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <vector>

#include "ButtonFunctionCodes.h"
#include "IniFile.h"
#include "ProfileFile.h"
#include "TempFolder.h"
#include "TextIniStore.h"

namespace orvix {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

bool SameBytes(const ProfileRecord& a, const ProfileRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::vector<std::string> FileLines(const std::string& path) {
  std::vector<std::string> lines;
  std::istringstream in(ReadFileBytes(path));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

class ProfileFileTest : public ::testing::Test {
 protected:
  ProfileRecord Defaults(int slot) {
    ProfileRecord record;
    InitDefaultProfile(record, slot);
    return record;
  }

  TempFolder folder;
  std::string path = folder.PathOf("Default0.nmp");
  TextIniStore store;
  IniFile file{store, path};
};

TEST_F(ProfileFileTest, FreshSlotsDifferWhereTheirDefaultsDo) {
  const ProfileRecord first = Defaults(0), third = Defaults(2), fifth = Defaults(4);
  EXPECT_STREQ(first.ProFileName, "Default1");
  EXPECT_STREQ(fifth.ProFileName, "Default5");
  EXPECT_EQ(first.LightColorFlow * 10 + first.LightEffectType, 12);
  EXPECT_EQ(fifth.LightColorFlow * 10 + fifth.LightEffectType, 1);
  EXPECT_EQ((std::vector<int>{third.LightInfo[3].paletteIndex, third.LightInfo[3].red, third.LightInfo[3].blue}),
            (std::vector<int>{7, 250, 0}));
  EXPECT_EQ(std::vector<int>(first.dpi, first.dpi + 6), (std::vector<int>{1, 1, 1, 1, 1, 0}));
  // Both "Disabled" codes appear among the default slots.
  EXPECT_EQ(first.MacroKeyInfo[16].function, kFunctionDisabled);
  EXPECT_EQ(first.MacroKeyInfo[15].function, kFunctionDisabledToo);
  for (int s = 0; s < kButtonSlots; ++s) EXPECT_EQ(first.MacroKeyInfo[s].slot, s);
}

TEST_F(ProfileFileTest, ADefaultRecordRoundTripsByteForByte) {
  for (int slot = 0; slot < kProfiles; ++slot) {
    const ProfileRecord written = Defaults(slot);
    ASSERT_EQ(WriteProfileFile(written, path, store), 1);
    ProfileRecord read;
    std::memset(&read, 0xA5, sizeof read);  // no byte may survive from before
    ASSERT_EQ(ReadProfileFile(read, path, store), 1);
    EXPECT_TRUE(SameBytes(read, written)) << "slot " << slot;
  }
}

TEST_F(ProfileFileTest, AFilledRecordRoundTrips) {
  ProfileRecord written = Defaults(1);
  std::strcpy(written.ProFileName, "Sniper = \"quiet\"");
  std::strcpy(written.GameFile1, "C:\\Games\\game.exe");
  written.Sensitivity = -5;
  written.dpi[5] = 200;
  written.MacroKeyInfo[7].function = kFunctionMacro;
  written.MacroKeyInfo[7].eventCount = 500;
  for (int e = 0; e < kMaxMacroEvents; ++e) written.MacroKeyInfo[7].events[e] = {static_cast<std::uint8_t>(e), 1, 0xFFFF};
  std::strcpy(written.MacroKeyInfo[7].macroName, "Combo");
  WriteProfileFile(written, path, store);

  ProfileRecord read = Defaults(3);
  ReadProfileFile(read, path, store);
  EXPECT_TRUE(SameBytes(read, written));
}

TEST_F(ProfileFileTest, TheFileHasEveryKeyInWriteOrder) {
  WriteProfileFile(Defaults(0), path, store);
  const std::vector<std::string> lines = FileLines(path);
  ASSERT_EQ(lines.size(), 1u + 4 + 15 + 6 + 3 + 10 + 14 + 8 + 24);
  EXPECT_EQ(lines[0], "[Setting]");
  EXPECT_EQ(lines[1], "ProFileName=Default1");
  EXPECT_EQ(lines[5], "DbleClickSpeed=480");
  EXPECT_EQ(lines[20], "dpi0=1");
  EXPECT_EQ(lines[25], "dpi5=0");
  EXPECT_EQ(lines[29], "CpiLevel_X0=4");
  EXPECT_EQ(lines[52], "LtChoseType=0");
  EXPECT_EQ(lines[53], "LightInfo0=00010064FA5F");
  EXPECT_EQ(lines[57], "CustomLightInfo0=000000000000");
  EXPECT_EQ(lines[61].substr(0, 16), "MacroKeyInfo0=00");
  const std::string last = lines.back();
  ASSERT_EQ(last.substr(0, 15), "MacroKeyInfo23=");
  EXPECT_EQ(last.size() - 15, 5066u);
  EXPECT_EQ(last.find_first_not_of("0123456789ABCDEF", 15), std::string::npos);
}

TEST_F(ProfileFileTest, WritingKeepsForeignKeysAndRewritesOwnKeysInPlace) {
  WriteFileBytes(path, "[Setting]\nComment=mine\nSensitivity=9\n[Extra]\nX=1\n");
  WriteProfileFile(Defaults(0), path, store);
  EXPECT_EQ(file.ReadText("Setting", "Comment"), "mine");
  EXPECT_EQ(file.ReadText("Extra", "X"), "1");
  EXPECT_EQ(file.ReadInt("Setting", "Sensitivity", 0), 6);
  EXPECT_EQ(FileLines(path)[2], "Sensitivity=6");
}

TEST_F(ProfileFileTest, MissingKeysReadAsTheirDefaults) {
  WriteFileBytes(path, "[Setting]\ndpi3=1\ndpi4=257\ndpi0=-2\n");
  ProfileRecord read = Defaults(2);
  ReadProfileFile(read, path, store);
  EXPECT_STREQ(read.ProFileName, "");
  EXPECT_EQ(read.Sensitivity, -1);
  EXPECT_EQ(read.UseColorForAll, 0);
  EXPECT_EQ(read.LtChoseType, 0);
  EXPECT_EQ(read.dpi[3], 1);
  EXPECT_EQ(read.dpi[4], 1);    // low 8 bits of 257
  EXPECT_EQ(read.dpi[0], 254);  // low 8 bits of -2
  EXPECT_EQ(read.dpi[1], 255);  // missing: -1
  // Missing blocks keep what the record held.
  EXPECT_EQ(read.LightInfo[0].paletteIndex, 7);
  EXPECT_EQ(read.MacroKeyInfo[16].function, kFunctionDisabled);
}

TEST_F(ProfileFileTest, DamagedBlocksKeepThePreviousContent) {
  ProfileRecord custom = Defaults(0);
  custom.LightInfo[0] = {3, 1, 1, 2, 3};
  custom.MacroKeyInfo[2].function = kFunctionMacro;
  custom.MacroKeyInfo[5].function = kFunctionShortcut;
  WriteProfileFile(custom, path, store);

  // A wrong checksum, a block one byte short, and a hand-edited non-hex digit.
  std::string light = file.ReadText("Setting", "LightInfo0");
  light.back() = light.back() == '0' ? '1' : '0';
  file.WriteText("Setting", "LightInfo0", light);
  std::string button = store.ReadString(path, "Setting", "MacroKeyInfo2", "", 8000);
  file.WriteText("Setting", "MacroKeyInfo2", button.substr(2));
  std::string other = store.ReadString(path, "Setting", "MacroKeyInfo5", "", 8000);
  other[10] = 'G';
  file.WriteText("Setting", "MacroKeyInfo5", other);

  ProfileRecord read = Defaults(0);
  ReadProfileFile(read, path, store);
  EXPECT_EQ(read.LightInfo[0].paletteIndex, 0);  // the slot default
  EXPECT_EQ(read.MacroKeyInfo[2].function, kFunctionUniversalScrolling);
  EXPECT_EQ(read.MacroKeyInfo[5].function, kFunctionTiltLeft);
  EXPECT_EQ(read.MacroKeyInfo[3].function, kFunctionIeForward);  // the rest is read
}

TEST_F(ProfileFileTest, OverlongTextsAreCutToTheirArrays) {
  file.WriteText("Setting", "ProFileName", std::string(400, 'n'));
  file.WriteText("Setting", "GameFile2", std::string(1000, 'p'));
  ProfileRecord read = Defaults(0);
  ReadProfileFile(read, path, store);
  EXPECT_EQ(std::strlen(read.ProFileName), sizeof read.ProFileName - 1);
  EXPECT_EQ(std::strlen(read.GameFile2), sizeof read.GameFile2 - 1);
  EXPECT_EQ(read.GameFile0[0], '\0');
}

TEST_F(ProfileFileTest, AnUnterminatedNameIsWrittenWithinItsArray) {
  ProfileRecord record = Defaults(0);
  std::memset(record.ProFileName, 'q', sizeof record.ProFileName);  // no terminator, e.g. from a peer
  WriteProfileFile(record, path, store);
  EXPECT_EQ(file.ReadText("Setting", "ProFileName"), std::string(sizeof record.ProFileName, 'q'));
  EXPECT_EQ(file.ReadText("Setting", "GameFile0", "<none>"), "");
}

TEST_F(ProfileFileTest, AMissingFileReadsAsAFileWithoutKeys) {
  ProfileRecord read = Defaults(0);
  ReadProfileFile(read, folder.PathOf("none.nmp"), store);
  EXPECT_EQ(read.ProFileName[0], '\0');
  EXPECT_EQ(read.PollingRate, -1);
  EXPECT_EQ(read.LtChoseType, 0);
  EXPECT_EQ(read.LightInfo[0].blue, 250);
}

}  // namespace
}  // namespace orvix
