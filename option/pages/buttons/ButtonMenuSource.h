// What the button page's pop-up menu is built from: the slot, its record, and the names
// of the macro sets, macros, timers and companion devices the caller holds. The same
// source answers which of its items a chosen identifier names, so it stays alive while
// the menu is open.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ButtonAssignment.h"
#include "CompanionDevice.h"
#include "ProfileRecord.h"

namespace orvix::button_page {

// One set of the macro library as the menu shows it: the caller fills it from the library.
// Names are bytes in the system code page, as stored.
struct MacroMenuSet {
  std::string name;
  std::vector<std::string> macros;
};

// The Windows version code of the XP family, which has no Aero Flip 3D.
inline constexpr int kWindowsXpFamily = 4;

struct ButtonMenuSource {
  int slot = 0;
  const ButtonAssignment* assignment = nullptr;  // the slot's record, for the check mark; null: none
  std::span<const MacroMenuSet> macroSets;
  std::span<const std::string> timerNames;
  const CompanionDeviceList* devices = nullptr;  // null: no companion devices
  std::array<std::int32_t, kDpiLevels> cpiLevels{};  // the profile's CpiLevel_X, DPI / 200
  int windowsVersion = 0;                            // the operating-system class code
};

// Which parts of the menu a slot has.
bool OffersLayerKeys(int slot);  // the Altlayer and NORVEL Parly submenus: slots 3 and 4
bool OffersPinpoint(int slot);   // slots 0..11
bool OffersAeroFlip(int windowsVersion);

// How many sets, macros of set s, timers and companion devices the menu offers: what the
// source holds, within the menu's identifier ranges.
int OfferedSets(const ButtonMenuSource& source);
int OfferedMacros(const ButtonMenuSource& source, int set);
int OfferedTimers(const ButtonMenuSource& source);
int OfferedDevices(const ButtonMenuSource& source);

// The name of device k, read within its fixed field.
std::string_view DeviceName(const ButtonMenuSource& source, int device);

// A set's name with the blanks around it trimmed, as its submenu shows it.
std::string_view TrimmedSetName(std::string_view name);

}  // namespace orvix::button_page
