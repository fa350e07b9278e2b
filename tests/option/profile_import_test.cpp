#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ButtonFunctionCodes.h"
#include "FixedText.h"
#include "IniFile.h"
#include "ProfileFile.h"
#include "TempFolder.h"
#include "TextIniStore.h"
#include "profiles/ProfileImport.h"

namespace orvix {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

// A profile file as the program writes it, then edited by hand or damaged.
class ProfileImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitDefaultProfile(written_, 3);
    CopyFixedText(written_.ProFileName, "Shooter");
    written_.Sensitivity = 9;
    written_.CpiLevel_X[2] = 25;
    written_.PollingRate = 1;
    written_.MacroKeyInfo[5].function = kFunctionMacro;
    written_.MacroKeyInfo[5].eventCount = 2;
    WriteProfileFile(written_, path_, ini_);
  }

  ImportedProfile Import(int slot = 1) { return ReadProfileToImport(path_, ini_, slot); }
  IniFile File() { return IniFile(ini_, path_); }
  // Replaces the value of `key` in the file's text (the key must be there).
  void ReplaceValue(const std::string& key, const std::string& value) {
    std::string text = ReadFileBytes(path_);
    const std::size_t at = text.find("\n" + key + "=");
    ASSERT_NE(at, std::string::npos) << key;
    const std::size_t start = at + key.size() + 2;
    text.replace(start, text.find_first_of("\r\n", start) - start, value);
    WriteFileBytes(path_, text);
  }
  void RemoveKey(const std::string& key) {
    std::string text = ReadFileBytes(path_);
    const std::size_t at = text.find("\n" + key + "=");
    ASSERT_NE(at, std::string::npos) << key;
    text.erase(at + 1, text.find('\n', at + 1) - at);
    WriteFileBytes(path_, text);
  }

  TempFolder folder_;
  TextIniStore ini_;
  std::string path_ = folder_.PathOf("Shooter.nmp");
  ProfileRecord written_{};
};

TEST_F(ProfileImportTest, AFileAsTheProgramWritesItIsTakenAsItIs) {
  const ImportedProfile imported = Import();
  ASSERT_EQ(imported.refusal, ImportRefusal::kNone);
  EXPECT_EQ(imported.correctedValues, 0);
  EXPECT_EQ(std::memcmp(&imported.record, &written_, sizeof written_), 0);
}

TEST_F(ProfileImportTest, FilesThatAreNoProfileOrDamagedAreRefused) {
  EXPECT_EQ(ReadProfileToImport(folder_.PathOf("absent.nmp"), ini_, 0).refusal, ImportRefusal::kNotAProfile);
  WriteFileBytes(folder_.PathOf("notes.nmp"), "just some text\r\n");
  EXPECT_EQ(ReadProfileToImport(folder_.PathOf("notes.nmp"), ini_, 0).refusal, ImportRefusal::kNotAProfile);
  WriteFileBytes(folder_.PathOf("other.nmp"), "[Setting]\r\nLanguage=3\r\n");
  EXPECT_EQ(ReadProfileToImport(folder_.PathOf("other.nmp"), ini_, 0).refusal, ImportRefusal::kNotAProfile);

  // One changed digit in a button block breaks its checksum.
  std::string text = ReadFileBytes(path_);
  const std::size_t at = text.find("MacroKeyInfo7=") + 20;
  text[at] = text[at] == '0' ? '1' : '0';
  WriteFileBytes(path_, text);
  const ImportedProfile damaged = Import();
  EXPECT_EQ(damaged.refusal, ImportRefusal::kDamaged);
}

TEST_F(ProfileImportTest, AMissingBlockIsDamageButAMissingNumberTakesTheSlotDefault) {
  RemoveKey("Sensitivity");
  RemoveKey("PollingRate");
  ImportedProfile imported = Import(2);
  ASSERT_EQ(imported.refusal, ImportRefusal::kNone);
  EXPECT_EQ(imported.record.Sensitivity, 6);
  EXPECT_EQ(imported.record.PollingRate, 3);
  EXPECT_EQ(imported.correctedValues, 2);
  EXPECT_EQ(imported.record.CpiLevel_X[2], 25) << "what the file has stays";

  RemoveKey("LightInfo2");
  EXPECT_EQ(Import().refusal, ImportRefusal::kDamaged);
}

TEST_F(ProfileImportTest, ValuesOutOfRangeAreBroughtIntoRange) {
  ReplaceValue("Sensitivity", "99");
  ReplaceValue("CpiLevel_X4", "-7");
  ReplaceValue("Cpi_X", "12");
  ReplaceValue("PollingRate", "2147483647");
  ReplaceValue("DbleClickSpeed", "5");
  ReplaceValue("dpi4", "0");
  const ImportedProfile imported = Import();
  ASSERT_EQ(imported.refusal, ImportRefusal::kNone);
  const ProfileRecord& r = imported.record;
  EXPECT_EQ(r.Sensitivity, 11);
  EXPECT_EQ(r.CpiLevel_X[4], 1);
  EXPECT_EQ(r.Cpi_X, 4);
  EXPECT_EQ(r.dpi[4], 1) << "the active level stays in the cycle";
  EXPECT_EQ(r.PollingRate, 3);
  EXPECT_EQ(r.DbleClickSpeed, 200);
  EXPECT_EQ(imported.correctedValues, 6);
}

TEST_F(ProfileImportTest, ForgedButtonBlocksAreRefusedOrSetRight) {
  // Blocks with a right checksum but contents no writer makes.
  ButtonAssignment button = written_.MacroKeyInfo[3];
  button.eventCount = 501;
  File().WriteBlock("Setting", "MacroKeyInfo3", button);
  EXPECT_EQ(Import().refusal, ImportRefusal::kBadButton);

  button = written_.MacroKeyInfo[3];
  std::memset(button.programPath, 'a', sizeof button.programPath);
  File().WriteBlock("Setting", "MacroKeyInfo3", button);
  EXPECT_EQ(Import().refusal, ImportRefusal::kBadButton);

  button = written_.MacroKeyInfo[3];
  button.function = 250;
  button.slot = 17;
  std::memset(button.macroName, 'm', sizeof button.macroName);
  File().WriteBlock("Setting", "MacroKeyInfo3", button);
  const ImportedProfile imported = Import(3);
  ASSERT_EQ(imported.refusal, ImportRefusal::kNone);
  EXPECT_EQ(imported.record.MacroKeyInfo[3].function, written_.MacroKeyInfo[3].function) << "the slot's default";
  EXPECT_EQ(imported.record.MacroKeyInfo[3].slot, 3);
  EXPECT_EQ(FixedTextView(imported.record.MacroKeyInfo[3].macroName).size(), 49u);
  EXPECT_EQ(imported.correctedValues, 3);
}

TEST_F(ProfileImportTest, TextsLongerThanTheirFields) {
  ReplaceValue("ProFileName", std::string(400, 'n'));
  ImportedProfile imported = Import();
  ASSERT_EQ(imported.refusal, ImportRefusal::kNone);
  EXPECT_EQ(FixedTextView(imported.record.ProFileName), std::string(249, 'n'));

  // A cut path would name another program.
  ReplaceValue("GameFile1", "C:\\" + std::string(600, 'g') + ".exe");
  EXPECT_EQ(Import().refusal, ImportRefusal::kPathTooLong);
}

TEST(ImportedPrograms, AreListedAndCanBeTakenOut) {
  ProfileRecord record;
  InitDefaultProfile(record, 0);
  CopyFixedText(record.GameFile1, "C:\\Games\\shooter.exe");
  record.MacroKeyInfo[4].function = kFunctionQuicklaunch;
  CopyFixedText(record.MacroKeyInfo[4].programPath, "C:\\Tools\\launch.exe");
  record.MacroKeyInfo[6].function = kFunctionQuicklaunch;  // without a path it starts nothing
  CopyFixedText(record.MacroKeyInfo[8].programPath, "C:\\left\\over.exe");  // not a quick-launch button
  EXPECT_EQ(ProgramsOf(record), (std::vector<std::string>{"C:\\Games\\shooter.exe", "C:\\Tools\\launch.exe"}));

  RemovePrograms(record, 0);
  EXPECT_TRUE(ProgramsOf(record).empty());
  ProfileRecord defaults;
  InitDefaultProfile(defaults, 0);
  EXPECT_EQ(record.MacroKeyInfo[4].function, defaults.MacroKeyInfo[4].function);
  EXPECT_EQ(record.MacroKeyInfo[6].function, defaults.MacroKeyInfo[6].function);
  EXPECT_EQ(FixedTextView(record.GameFile1), "");
}

}  // namespace
}  // namespace orvix
