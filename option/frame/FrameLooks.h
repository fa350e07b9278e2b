// What the main dialog's frame shows for a configuration: the selected slot, the slot
// names and their colours, the "windows profile" markers, the swatches, the language flag
// and the edition badge. Refresh all draws exactly this.
#pragma once

#include <array>
#include <string>

#include "ConfigRecord.h"
#include "frame/LightPalette.h"

namespace orvix {

struct SlotLook {
  bool selected = false;
  std::string name;            // the profile's name, never read past its array
  bool windowsProfile = false; // the marker shows its Windows-profile look
  Rgb swatch;
};

struct FrameLooks {
  int selectedSlot = 0;        // 0..4 whatever CurrentProfile holds
  std::array<SlotLook, kProfiles> slots;
  int languageFlag = 1;        // 0..16
  bool badge = false;          // the edition badge (MouseType 1)
};

FrameLooks LooksOf(const ConfigRecord& config);

// Name labels: the selected slot's in white, the others in grey.
inline constexpr Rgb kSelectedNameColour{255, 255, 255};
inline constexpr Rgb kOtherNameColour{115, 115, 115};

}  // namespace orvix
