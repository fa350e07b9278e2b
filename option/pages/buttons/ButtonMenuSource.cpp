#include "pages/buttons/ButtonMenuSource.h"

#include <algorithm>

#include "FixedText.h"
#include "pages/buttons/ButtonMenuIds.h"

namespace orvix::button_page {
namespace {

int AtMost(std::size_t size, int limit) { return static_cast<int>(std::min(size, static_cast<std::size_t>(limit))); }

}  // namespace

bool OffersLayerKeys(int slot) { return slot == 3 || slot == 4; }

bool OffersPinpoint(int slot) { return slot >= 0 && slot < kButtonSlots / 2; }

bool OffersAeroFlip(int windowsVersion) { return windowsVersion != kWindowsXpFamily; }

int OfferedSets(const ButtonMenuSource& source) { return AtMost(source.macroSets.size(), kMenuMacroStride); }

int OfferedMacros(const ButtonMenuSource& source, int set) {
  if (set < 0 || set >= OfferedSets(source)) return 0;
  return AtMost(source.macroSets[static_cast<std::size_t>(set)].macros.size(), kMenuMacroStride);
}

int OfferedTimers(const ButtonMenuSource& source) { return AtMost(source.timerNames.size(), kMenuTimers); }

int OfferedDevices(const ButtonMenuSource& source) {
  if (!source.devices) return 0;
  // The count comes from a file another program writes.
  return std::clamp(source.devices->count, 0, std::min(kMaxCompanionDevices, kMenuDevices));
}

std::string_view DeviceName(const ButtonMenuSource& source, int device) {
  if (device < 0 || device >= OfferedDevices(source)) return {};
  return FixedTextView(source.devices->devices[device].Name);
}

std::string_view TrimmedSetName(std::string_view name) {
  const auto first = name.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = name.find_last_not_of(" \t");
  return name.substr(first, last - first + 1);
}

}  // namespace orvix::button_page
