#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "Configuration.h"
#include "FakeRegistry.h"
#include "FakeSystemInfo.h"
#include "FixedText.h"
#include "ProfileFile.h"
#include "TempFolder.h"
#include "TextIniStore.h"

namespace orvix {
namespace {

using testing::FakeRegistry;
using testing::FakeSystemInfo;
using testing::PathExists;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

constexpr char kMouse[] = "Control Panel\\Mouse";
constexpr char kDesktop[] = "Control Panel\\Desktop";
constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;

class ConfigurationTest : public ::testing::Test {
 protected:
  ConfigurationTest() { std::filesystem::create_directory(HostPath(folder.PathOf("config"))); }

  std::unique_ptr<ConfigRecord> EmptyRecord() {
    auto record = std::make_unique<ConfigRecord>();
    std::memset(record.get(), 0, sizeof *record);
    return record;
  }
  IniFile Config() const { return store.FileOf("config.ini"); }

  TempFolder folder;
  TextIniStore ini;
  HostConfigFiles files;
  FakeRegistry registry;
  FakeSystemInfo system{folder.Folder()};
  SettingsStore store{ini, files, registry, system};
};

TEST_F(ConfigurationTest, NothingOnDiskLoadsFiveDefaultProfilesAndNoCurrentProfile) {
  std::filesystem::remove(HostPath(folder.PathOf("config")));
  auto record = EmptyRecord();
  EXPECT_EQ(LoadConfiguration(*record, store), 1);
  EXPECT_EQ(record->CurrentProfile, -1);
  EXPECT_EQ(record->QuickHelpLan, -1);
  EXPECT_EQ(record->TrackControlFlag, -1);
  for (int i = 0; i < kProfiles; ++i) {
    ProfileRecord expected;
    InitDefaultProfile(expected, i);
    EXPECT_EQ(std::memcmp(&record->profiles[i], &expected, sizeof expected), 0) << "slot " << i;
  }
  EXPECT_FALSE(registry.HasKey(kUser, kMouse));  // no current profile: the registry is left alone
}

TEST_F(ConfigurationTest, SavedConfigurationLoadsBackWithThePointerSettings) {
  auto saved = EmptyRecord();
  DefaultConfiguration(*saved, store);
  saved->CurrentProfile = 2;
  saved->MouseType = 1;
  saved->InfoData.counter[0] = 12345;
  saved->InfoData.lastAchievement = 7;
  saved->profiles[2].DbleClickSpeed = 550;
  saved->profiles[2].AccelerationFlag = 1;
  saved->profiles[2].Acceleration = 15;
  CopyFixedText(saved->profiles[4].ProFileName, "Racing");
  EXPECT_EQ(SaveConfiguration(*saved, store), 1);

  EXPECT_EQ(registry.Get(kUser, kMouse, "DoubleClickSpeed"), "550");
  EXPECT_EQ(registry.Get(kUser, kMouse, "MouseThreshold2"), "9");
  EXPECT_EQ(registry.OpenKeys(), 0);
  EXPECT_TRUE(PathExists(folder.PathOf("config\\Default4.nmp")));

  // The Windows settings changed meanwhile: they win over the file.
  registry.Set(kUser, kMouse, "DoubleClickSpeed", "700");
  auto loaded = EmptyRecord();
  LoadConfiguration(*loaded, store);
  EXPECT_EQ(loaded->profiles[2].DbleClickSpeed, 700);
  loaded->profiles[2].DbleClickSpeed = 550;
  EXPECT_EQ(std::memcmp(loaded.get(), saved.get(), sizeof *saved), 0);
  EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(ConfigurationTest, ConfigIniHasItsKeysInOrder) {
  auto record = EmptyRecord();
  DefaultConfiguration(*record, store);
  record->CurrentProfile = -1;
  SaveConfiguration(*record, store);
  const std::string text = ReadFileBytes(folder.PathOf("config.ini"));
  const std::string head =
      "[Setting]\r\nCurrentProfile=-1\r\nWindowsProfile=-1\r\nQuickHelpLan=1\r\nMouseType=0\r\nLiftOnFlag=0\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_NE(text.find("TrackControlFlag=0\r\nInfoData=" + std::string(108 * 2 + 2, '0') + "\r\n"), std::string::npos);
}

TEST_F(ConfigurationTest, ACurrentProfileOutsideTheSlotsNeverTouchesTheRegistry) {
  WriteFileBytes(folder.PathOf("config.ini"), "[Setting]\r\nCurrentProfile=7\r\n");
  auto record = EmptyRecord();
  LoadConfiguration(*record, store);
  EXPECT_EQ(record->CurrentProfile, 7);
  EXPECT_STREQ(record->profiles[4].ProFileName, "Default5");
  SaveConfiguration(*record, store);
  EXPECT_FALSE(registry.HasKey(kUser, kMouse));
  EXPECT_FALSE(registry.HasKey(kUser, kDesktop));
}

TEST_F(ConfigurationTest, AProfileFileIsReadOverTheSlotDefaults) {
  ProfileRecord custom;
  InitDefaultProfile(custom, 0);
  std::strcpy(custom.ProFileName, "Mine");
  custom.LightInfo[0].red = 1;
  WriteProfileFile(custom, folder.PathOf("config\\Default3.nmp"), ini);
  // The light block of that file is damaged: slot 3 keeps its own default colour.
  const IniFile file(ini, folder.PathOf("config\\Default3.nmp"));
  file.WriteText("Setting", "LightInfo0", "0001");

  auto record = EmptyRecord();
  LoadConfiguration(*record, store);
  EXPECT_STREQ(record->profiles[3].ProFileName, "Mine");
  EXPECT_EQ(record->profiles[3].LightInfo[0].green, 250);
  EXPECT_EQ(record->profiles[3].LightInfo[1].green, 100);  // the intact blocks come from the file
  EXPECT_STREQ(record->profiles[2].ProFileName, "Default3");
}

TEST_F(ConfigurationTest, ADamagedInfoDataKeepsTheStatistics) {
  WriteFileBytes(folder.PathOf("config.ini"), "[Setting]\r\nInfoData=0102\r\n");
  auto record = EmptyRecord();
  record->InfoData.counter[3] = 99;
  LoadConfiguration(*record, store);
  EXPECT_EQ(record->InfoData.counter[3], 99);
}

TEST_F(ConfigurationTest, SingleKeyUpdatesChangeOnlyTheirKeys) {
  auto record = EmptyRecord();
  DefaultConfiguration(*record, store);
  SaveConfiguration(*record, store);

  EXPECT_EQ(ReadFirmwareVersion(store), 100);
  EXPECT_TRUE(WriteFirmwareVersion(store, 131));
  EXPECT_EQ(ReadFirmwareVersion(store), 131);
  EXPECT_TRUE(WriteCurrentProfile(store, 3));
  EXPECT_TRUE(WriteDeviceState(store, 1));
  record->LiftOnFlag = 2;
  record->TrackControlFlag = 1;
  EXPECT_TRUE(WriteLiftAndTracking(store, *record));
  StatisticsBlock statistics{};
  statistics.achievement[12] = 1;
  EXPECT_TRUE(WriteInfoData(store, statistics));
  EXPECT_TRUE(WriteProfileFileName(store, 4, "C:\\Profiles\\fps.nmp"));
  EXPECT_FALSE(WriteProfileFileName(store, 5, "x.nmp"));

  EXPECT_EQ(Config().ReadText("Profile5", "FileName"), "C:\\Profiles\\fps.nmp");
  EXPECT_EQ(Config().ReadInt("Setting", "Device", -1), 1);
  auto loaded = EmptyRecord();
  LoadConfiguration(*loaded, store);
  EXPECT_EQ(loaded->CurrentProfile, 3);
  EXPECT_EQ(loaded->LiftOnFlag, 2);
  EXPECT_EQ(loaded->TrackControlFlag, 1);
  EXPECT_EQ(loaded->InfoData.achievement[12], 1);
  EXPECT_EQ(loaded->QuickHelpLan, record->QuickHelpLan);
}

TEST_F(ConfigurationTest, OsdSettingsAreReadOnlyWhenIntact) {
  OsdSettings settings;
  DefaultOsdSettings(settings);
  EXPECT_EQ(settings.value136, 110);
  EXPECT_EQ(settings.value340, 5);
  EXPECT_EQ(settings.forwardedValue2, 0);
  EXPECT_FALSE(ReadOsdSettings(store, settings));
  EXPECT_EQ(settings.value136, 110);

  OsdSettings stored = settings;
  stored.forwardedValue1 = 4;
  std::strcpy(stored.text2, "pop3.example");
  Config().WriteBlock("OSDSetting", "config", stored);
  EXPECT_TRUE(ReadOsdSettings(store, settings));
  EXPECT_EQ(std::memcmp(&settings, &stored, sizeof stored), 0);
}

TEST_F(ConfigurationTest, DefaultAndClearedConfigurations) {
  system.languageId = 0x0407;
  auto block = std::make_unique<SharedDataBlock>();
  std::memset(block.get(), 0x11, sizeof *block);
  DefaultConfiguration(block->config, store);
  EXPECT_EQ(block->config.CurrentProfile, 0);
  EXPECT_EQ(block->config.WindowsProfile, -1);
  EXPECT_EQ(block->config.QuickHelpLan, 4);
  EXPECT_EQ(block->config.MouseType, 0x11111111);  // kept
  EXPECT_STREQ(block->config.profiles[1].ProFileName, "Default2");

  ClearConfiguration(*block);
  EXPECT_EQ(block->config.CurrentProfile, -1);
  EXPECT_EQ(block->config.MouseType, 0);
  EXPECT_EQ(block->config.QuickHelpLan, 4);
  EXPECT_EQ(block->config.profiles[4].MacroKeyInfo[23].function, 0);
  EXPECT_EQ(block->flags.button[4][23], 0);
  EXPECT_EQ(block->flags.tracking, 0);
}

TEST_F(ConfigurationTest, AMissingConfigFolderLeavesTheProfilesUnwritten) {
  std::filesystem::remove(HostPath(folder.PathOf("config")));
  auto record = EmptyRecord();
  DefaultConfiguration(*record, store);
  EXPECT_EQ(SaveConfiguration(*record, store), 1);
  EXPECT_TRUE(PathExists(folder.PathOf("config.ini")));
  EXPECT_FALSE(PathExists(folder.PathOf("config\\Default0.nmp")));
}

TEST(SystemHelpers, LanguageIndexOfTheSystemLanguage) {
  EXPECT_EQ(LanguageIndex(0x0C0A), 11);
  EXPECT_EQ(LanguageIndex(0x500A), 11);
  EXPECT_EQ(LanguageIndex(0x540A), 1);
  EXPECT_EQ(LanguageIndex(0x000A), 1);
  EXPECT_EQ(LanguageIndex(0x0809), 1);
  EXPECT_EQ(LanguageIndex(0x0804), 10);
  EXPECT_EQ(LanguageIndex(0x0C04), 1);
  EXPECT_EQ(LanguageIndex(0x1407), 4);
  EXPECT_EQ(LanguageIndex(0x1807), 1);
  EXPECT_EQ(LanguageIndex(0x042A), 16);
  EXPECT_EQ(LanguageIndex(-1), 1);
  FakeSystemInfo system;
  system.languageId = 0x0406;
  EXPECT_EQ(DetectLanguage(system), 0);
}

TEST(SystemHelpers, OperatingSystemClasses) {
  EXPECT_EQ(OsVersionClass({OsPlatform::kWindowsNt, 5, 1}), 4);
  EXPECT_EQ(OsVersionClass({OsPlatform::kWindowsNt, 5, 0}), 3);
  EXPECT_EQ(OsVersionClass({OsPlatform::kWindowsNt, 6, 0}), 5);
  EXPECT_EQ(OsVersionClass({OsPlatform::kWindowsNt, 6, 1}), 6);
  EXPECT_EQ(OsVersionClass({OsPlatform::kWindowsNt, 10, 0}), 0);
  EXPECT_EQ(OsVersionClass({OsPlatform::kWindowsNt, 4, 0}), 0);
  EXPECT_EQ(OsVersionClass({OsPlatform::kWindows9x, 4, 10}), 1);
  EXPECT_EQ(OsVersionClass({OsPlatform::kWindows9x, 4, 90}), 2);
  EXPECT_EQ(OsVersionClass({OsPlatform::kOther, 5, 1}), 0);
}

TEST(SystemHelpers, FoldersEndWithABackslashOrAreEmpty) {
  FakeSystemInfo system;
  system.modulePath = "C:\\Program Files\\Orvix One\\OrvixOneMonitor.exe";
  EXPECT_EQ(ProgramFolder(system), "C:\\Program Files\\Orvix One\\");
  system.modulePath = "";
  EXPECT_EQ(ProgramFolder(system), "");
  system.modulePath = "OrvixOneMonitor.exe";
  EXPECT_EQ(ProgramFolder(system), "");

  system.commonAppData = "C:\\ProgramData";
  EXPECT_EQ(CompanionFolder(system), "C:\\ProgramData\\NORVEL\\Parly\\");
  system.commonAppData = "C:\\ProgramData\\";
  EXPECT_EQ(CompanionFolder(system), "C:\\ProgramData\\NORVEL\\Parly\\");
  system.commonAppData = "";
  EXPECT_EQ(CompanionFolder(system), "");
}

}  // namespace
}  // namespace orvix
