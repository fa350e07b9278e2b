#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>

#include "ConfigFiles_win.h"
#include "Configuration.h"
#include "IniStore_win.h"
#include "ProfileFile.h"
#include "Registry_win.h"
#include "SystemInfo_win.h"
#include "TempFolder.h"
#include "TextIniStore.h"

namespace orvix {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

// The real system, except that the program lives in the test's folder.
class ProgramInFolder : public WindowsSystemInfo {
 public:
  explicit ProgramInFolder(std::string folder) : folder_(std::move(folder)) {}
  std::string ModulePath() override { return folder_ + "OrvixOneMonitor.exe"; }

 private:
  std::string folder_;
};

std::string LineOf(const std::string& path, const std::string& key) {
  std::istringstream in(ReadFileBytes(path));
  for (std::string line; std::getline(in, line);)
    if (line.rfind(key + "=", 0) == 0) return line;
  return {};
}

class PrivateProfileTest : public ::testing::Test {
 protected:
  ProfileRecord Defaults(int slot) {
    ProfileRecord record;
    InitDefaultProfile(record, slot);
    return record;
  }

  TempFolder folder;
  std::string path = folder.PathOf("Default0.nmp");
  PrivateProfileStore system;
  TextIniStore text;
};

TEST_F(PrivateProfileTest, ADefaultRecordRoundTripsByteForByte) {
  for (int slot = 0; slot < kProfiles; ++slot) {
    const ProfileRecord written = Defaults(slot);
    WriteProfileFile(written, path, system);
    ProfileRecord read;
    std::memset(&read, 0x5A, sizeof read);
    ReadProfileFile(read, path, system);
    EXPECT_EQ(std::memcmp(&read, &written, sizeof read), 0) << "slot " << slot;
  }
}

TEST_F(PrivateProfileTest, BlocksAreWrittenInTheStructEncoding) {
  WriteProfileFile(Defaults(0), path, system);
  EXPECT_EQ(LineOf(path, "LightInfo0"), "LightInfo0=00010064FA5F\r");
  const std::string macro = LineOf(path, "MacroKeyInfo23");
  ASSERT_EQ(macro.substr(0, 15), "MacroKeyInfo23=");
  EXPECT_EQ(macro.size(), 15u + 5066 + 1);  // the CR of the line ending
  EXPECT_EQ(macro.find_first_not_of("0123456789ABCDEF", 15), macro.size() - 1);
}

TEST_F(PrivateProfileTest, ADamagedBlockLeavesTheBufferAlone) {
  WriteFileBytes(path, "[Setting]\r\nLightInfo0=00010064FA5E\r\nShort=0001\r\n");
  std::uint8_t light[5] = {1, 2, 3, 4, 5};
  EXPECT_FALSE(system.ReadStruct(path, "Setting", "LightInfo0", light, sizeof light));
  EXPECT_FALSE(system.ReadStruct(path, "Setting", "Short", light, sizeof light));
  EXPECT_EQ(light[0] + light[1] + light[2] + light[3] + light[4], 15);
  EXPECT_EQ(light[3], 4);
}

TEST_F(PrivateProfileTest, NothingOnDiskLoadsDefaults) {
  TextIniStore unused;
  SystemRegistry registry;  // CurrentProfile is -1: the registry is not used
  ProgramInFolder programs(folder.Folder());
  WindowsConfigFiles files;
  const SettingsStore store(system, files, registry, programs);
  auto record = std::make_unique<ConfigRecord>();
  std::memset(record.get(), 0, sizeof *record);
  LoadConfiguration(*record, store);
  EXPECT_EQ(record->CurrentProfile, -1);
  for (int i = 0; i < kProfiles; ++i)
    EXPECT_EQ(std::string(record->profiles[i].ProFileName), "Default" + std::to_string(i + 1));
  EXPECT_FALSE(testing::PathExists(folder.PathOf("config.ini")));
}

// Files written by one store read the same through the other.
TEST_F(PrivateProfileTest, TheTextStoreAndTheSystemAgree) {
  ProfileRecord custom = Defaults(3);
  std::strcpy(custom.ProFileName, "Tournament");
  std::strcpy(custom.GameFile0, "C:\\Games\\Arena\\arena.exe");
  custom.Sensitivity_X = -7;
  custom.dpi[2] = 0;
  custom.MacroKeyInfo[9].eventCount = 3;
  custom.MacroKeyInfo[9].events[2] = {0x2C, 2, 1000};

  for (IniStore* writer : {static_cast<IniStore*>(&system), static_cast<IniStore*>(&text)}) {
    IniStore* reader = writer == &system ? static_cast<IniStore*>(&text) : &system;
    std::filesystem::remove(path);
    WriteProfileFile(custom, path, *writer);
    ProfileRecord read = Defaults(0);
    ReadProfileFile(read, path, *reader);
    EXPECT_EQ(std::memcmp(&read, &custom, sizeof read), 0);
  }
  // The same bytes on disk, whichever store wrote them.
  std::filesystem::remove(path);
  WriteProfileFile(custom, path, system);
  const std::string bySystem = ReadFileBytes(path);
  std::filesystem::remove(path);
  WriteProfileFile(custom, path, text);
  EXPECT_EQ(ReadFileBytes(path), bySystem);
}

TEST_F(PrivateProfileTest, HandEditedFilesReadTheSameThroughBoth) {
  WriteFileBytes(path,
                 "lead=0\n[ setting ]\n  Name =  two words  \nQuoted=\"  spaced  \"\nSingle='x'\n"
                 "NoValue\nNumber=   -12abc\nWord=abc\nEmpty=\nWrap=4294967297\nDup=1\nDUP=2\n"
                 "Lower=00010064fa5f\n[Setting]\nLater=1\n[Other]\nK=v\n");
  for (const char* key : {"Name", "Quoted", "Single", "NoValue", "Number", "Empty", "Dup", "Later", "Missing"})
    EXPECT_EQ(text.ReadString(path, "Setting", key, "dflt", 2048), system.ReadString(path, "Setting", key, "dflt", 2048))
        << key;
  EXPECT_EQ(text.ReadString(path, "Setting", "Name", "", 5), system.ReadString(path, "Setting", "Name", "", 5));
  for (const char* key : {"Number", "Word", "Empty", "Wrap", "Missing", "Dup", "NoValue"})
    EXPECT_EQ(text.ReadInt(path, "SETTING", key, -1), system.ReadInt(path, "SETTING", key, -1)) << key;
  std::uint8_t a[5] = {}, b[5] = {};
  EXPECT_EQ(text.ReadStruct(path, "Setting", "Lower", a, 5), system.ReadStruct(path, "Setting", "Lower", b, 5));
  EXPECT_EQ(std::memcmp(a, b, 5), 0);
  EXPECT_EQ(text.SectionNames(path, 16384).size(), system.SectionNames(path, 16384).size());
  EXPECT_EQ(text.SectionNames(path, 16384).front(), "setting");
}

TEST_F(PrivateProfileTest, PathsThatAreNotFullPathsAreRefused) {
  // The system would look for these in the Windows folder.
  for (const std::string relative : {"config.ini", "config\\Default0.nmp", ""}) {
    EXPECT_FALSE(system.WriteString(relative, "Setting", "K", "1")) << relative;
    EXPECT_EQ(system.ReadInt(relative, "Setting", "K", -1), -1);
    EXPECT_EQ(system.ReadString(relative, "Setting", "K", "dflt", 3), "df");
  }
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_FALSE(testing::PathExists(std::string(windows) + "\\config.ini"));
}

TEST_F(PrivateProfileTest, SectionNamesThroughABuffer) {
  WriteFileBytes(path, "[First]\r\nA=1\r\n[Second]\r\nB=2\r\n");
  EXPECT_EQ(system.SectionNames(path, 16384), (std::vector<std::string>{"First", "Second"}));
  EXPECT_TRUE(system.SectionNames(folder.PathOf("none.ini"), 16384).empty());
}

}  // namespace
}  // namespace orvix
