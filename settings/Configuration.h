// The whole configuration: "config.ini" in the program folder, the five profile files
// in its "config\" folder, and the pointer settings of the current profile in the
// registry. Also the single-key updates of "config.ini" the programs make on their own.
#pragma once

#include <string>

#include "ConfigRecord.h"
#include "OsdSettings.h"
#include "SettingsStore.h"
#include "SharedDataBlock.h"
#include "StatisticsBlock.h"

namespace orvix {

// The file of profile slot i: "<folder>config\Default<i>.nmp".
std::string ProfileFilePath(const SettingsStore& store, int slot);

// CurrentProfile -1, MouseType 0, the profiles zero-filled, the change flags cleared.
void ClearConfiguration(SharedDataBlock& block);
// The configuration of a fresh installation; MouseType and InfoData keep their values.
void DefaultConfiguration(ConfigRecord& record, const SettingsStore& store);
// Reads "config.ini" (a missing integer is -1; a missing or damaged InfoData keeps the
// record's), each slot from its defaults overlaid by its file when that exists, and for
// a current profile 0..4 the pointer settings from the registry. Always 1.
int LoadConfiguration(ConfigRecord& record, const SettingsStore& store);
// Writes the current profile's pointer settings to the registry (CurrentProfile 0..4
// only), "config.ini" and the five profile files, each file replaced whole. Write failures
// are ignored: always 1.
int SaveConfiguration(const ConfigRecord& record, const SettingsStore& store);
// The same, telling whether every file was written.
bool SaveConfigurationFiles(const ConfigRecord& record, const SettingsStore& store);

// The single-key updates below replace "config.ini" whole too, under the writers' lock.
bool WriteCurrentProfile(const SettingsStore& store, int slot);
bool WriteFirmwareVersion(const SettingsStore& store, int version);
int ReadFirmwareVersion(const SettingsStore& store);  // 100 when missing
bool WriteInfoData(const SettingsStore& store, const StatisticsBlock& statistics);
bool WriteLiftAndTracking(const SettingsStore& store, const ConfigRecord& record);
// "Device" of section "Setting": 1 while the mouse is connected, 0 when it is removed.
bool WriteDeviceState(const SettingsStore& store, int connected);
// The file name chosen for a slot 0..4 (section "Profile<slot + 1>"); false for other slots.
bool WriteProfileFileName(const SettingsStore& store, int slot, const std::string& fileName);

void DefaultOsdSettings(OsdSettings& settings);
// False, with the record unchanged, when the block is missing or damaged.
bool ReadOsdSettings(const SettingsStore& store, OsdSettings& settings);
bool WriteOsdSettings(const SettingsStore& store, const OsdSettings& settings);

}  // namespace orvix
