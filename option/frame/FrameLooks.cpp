#include "frame/FrameLooks.h"

#include "FixedText.h"

namespace orvix {

FrameLooks LooksOf(const ConfigRecord& config) {
  FrameLooks looks;
  looks.selectedSlot = config.CurrentProfile >= 0 && config.CurrentProfile < kProfiles ? config.CurrentProfile : 0;
  for (int i = 0; i < kProfiles; ++i) {
    SlotLook& slot = looks.slots[static_cast<std::size_t>(i)];
    slot.selected = i == looks.selectedSlot;
    slot.name = std::string(FixedTextView(config.profiles[i].ProFileName));
    slot.windowsProfile = i == config.WindowsProfile;
    slot.swatch = SlotSwatchColour(config.profiles[i]);
  }
  looks.languageFlag = config.QuickHelpLan >= 0 && config.QuickHelpLan <= 16 ? config.QuickHelpLan : 1;
  looks.badge = config.MouseType == 1;
  return looks;
}

}  // namespace orvix
