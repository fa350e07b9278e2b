// "DeviceInfo.ini": the companion application's devices, one section per device.
#pragma once

#include "CompanionDevice.h"
#include "SettingsStore.h"

namespace orvix {

// Writes Count (the list's count within 0..100) and one "Device<i>" section per entry.
bool WriteDeviceList(const SettingsStore& store, const CompanionDeviceList& list);
// Replaces the list with the file's: Count is held to 0..100 (a negative or non-numeric
// Count gives an empty list) and to the device sections the file really has, so that a
// Count larger than the list adds no empty devices; names are cut to 19 characters and
// entries beyond the count are zero. A missing file gives an empty list.
void ReadDeviceList(const SettingsStore& store, CompanionDeviceList& list);

}  // namespace orvix
