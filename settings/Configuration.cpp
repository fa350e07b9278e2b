#include "Configuration.h"

#include <cstdio>
#include <cstring>

#include "PointerRegistry.h"
#include "ProfileFile.h"

namespace orvix {
namespace {

constexpr char kConfigFile[] = "config.ini";
constexpr char kSetting[] = "Setting";
constexpr char kOsdSection[] = "OSDSetting";
constexpr std::int32_t kMissingInt = -1;
constexpr int kNoFirmwareVersion = 100;

}  // namespace

std::string ProfileFilePath(const SettingsStore& store, int slot) {
  char name[32];
  std::snprintf(name, sizeof name, "config\\Default%d.nmp", slot);
  return store.PathOf(name);
}

void ClearConfiguration(SharedDataBlock& block) {
  block.config.CurrentProfile = -1;
  block.config.MouseType = 0;
  std::memset(block.config.profiles, 0, sizeof block.config.profiles);
  std::memset(&block.flags, 0, sizeof block.flags);
}

void DefaultConfiguration(ConfigRecord& record, const SettingsStore& store) {
  record.CurrentProfile = 0;
  record.WindowsProfile = -1;
  record.QuickHelpLan = DetectLanguage(store.system);
  record.LiftOnFlag = 0;
  record.TrackControlFlag = 0;
  for (int i = 0; i < kProfiles; ++i) InitDefaultProfile(record.profiles[i], i);
}

int LoadConfiguration(ConfigRecord& record, const SettingsStore& store) {
  const IniFile config = store.FileOf(kConfigFile);
  record.CurrentProfile = config.ReadInt(kSetting, "CurrentProfile", kMissingInt);
  record.WindowsProfile = config.ReadInt(kSetting, "WindowsProfile", kMissingInt);
  record.QuickHelpLan = config.ReadInt(kSetting, "QuickHelpLan", kMissingInt);
  record.MouseType = config.ReadInt(kSetting, "MouseType", kMissingInt);
  record.LiftOnFlag = config.ReadInt(kSetting, "LiftOnFlag", kMissingInt);
  record.TrackControlFlag = config.ReadInt(kSetting, "TrackControlFlag", kMissingInt);
  config.ReadBlock(kSetting, "InfoData", record.InfoData);  // keeps the record's when damaged

  for (int i = 0; i < kProfiles; ++i) {
    // The defaults first: a damaged block of the file then leaves the slot default.
    InitDefaultProfile(record.profiles[i], i);
    const std::string path = ProfileFilePath(store, i);
    if (FileExists(store.system, path)) ReadProfileFile(record.profiles[i], path, store.ini);
  }
  // The current Windows settings win over the file.
  if (ProfileRecord* current = CurrentProfileRecord(record)) ReadPointerRegistry(*current, store.registry);
  return 1;
}

int SaveConfiguration(const ConfigRecord& record, const SettingsStore& store) {
  SaveConfigurationFiles(record, store);
  return 1;
}

bool SaveConfigurationFiles(const ConfigRecord& record, const SettingsStore& store) {
  if (const ProfileRecord* current = CurrentProfileRecord(record)) WritePointerRegistry(*current, store.registry);
  return store.WriteFiles([&](const SettingsStore& staged) {
    const IniFile config = staged.FileOf(kConfigFile);
    config.WriteInt(kSetting, "CurrentProfile", record.CurrentProfile);
    config.WriteInt(kSetting, "WindowsProfile", record.WindowsProfile);
    config.WriteInt(kSetting, "QuickHelpLan", record.QuickHelpLan);
    config.WriteInt(kSetting, "MouseType", record.MouseType);
    config.WriteInt(kSetting, "LiftOnFlag", record.LiftOnFlag);
    config.WriteInt(kSetting, "TrackControlFlag", record.TrackControlFlag);
    config.WriteBlock(kSetting, "InfoData", record.InfoData);
    for (int i = 0; i < kProfiles; ++i) WriteProfileFile(record.profiles[i], ProfileFilePath(staged, i), staged.ini);
  });
}

namespace {

// One key of "config.ini", section "Setting", replaced with the file.
bool WriteSettingInt(const SettingsStore& store, const char* key, int value) {
  return store.WriteFiles([&](const SettingsStore& staged) { staged.FileOf(kConfigFile).WriteInt(kSetting, key, value); });
}

}  // namespace

bool WriteCurrentProfile(const SettingsStore& store, int slot) { return WriteSettingInt(store, "CurrentProfile", slot); }

bool WriteFirmwareVersion(const SettingsStore& store, int version) {
  return WriteSettingInt(store, "FWVersion", version);
}

int ReadFirmwareVersion(const SettingsStore& store) {
  return store.FileOf(kConfigFile).ReadInt(kSetting, "FWVersion", kNoFirmwareVersion);
}

bool WriteInfoData(const SettingsStore& store, const StatisticsBlock& statistics) {
  return store.WriteFiles(
      [&](const SettingsStore& staged) { staged.FileOf(kConfigFile).WriteBlock(kSetting, "InfoData", statistics); });
}

bool WriteLiftAndTracking(const SettingsStore& store, const ConfigRecord& record) {
  return store.WriteFiles([&](const SettingsStore& staged) {
    const IniFile config = staged.FileOf(kConfigFile);
    config.WriteInt(kSetting, "LiftOnFlag", record.LiftOnFlag);
    config.WriteInt(kSetting, "TrackControlFlag", record.TrackControlFlag);
  });
}

bool WriteDeviceState(const SettingsStore& store, int connected) { return WriteSettingInt(store, "Device", connected); }

bool WriteProfileFileName(const SettingsStore& store, int slot, const std::string& fileName) {
  if (slot < 0 || slot >= kProfiles) return false;
  char section[16];
  std::snprintf(section, sizeof section, "Profile%d", slot + 1);
  return store.WriteFiles(
      [&](const SettingsStore& staged) { staged.FileOf(kConfigFile).WriteText(section, "FileName", fileName); });
}

void DefaultOsdSettings(OsdSettings& settings) {
  std::memset(&settings, 0, sizeof settings);
  settings.value136 = 110;
  settings.value340 = 5;
}

bool ReadOsdSettings(const SettingsStore& store, OsdSettings& settings) {
  return store.FileOf(kConfigFile).ReadBlock(kOsdSection, "config", settings);
}

bool WriteOsdSettings(const SettingsStore& store, const OsdSettings& settings) {
  return store.WriteFiles(
      [&](const SettingsStore& staged) { staged.FileOf(kConfigFile).WriteBlock(kOsdSection, "config", settings); });
}

}  // namespace orvix
