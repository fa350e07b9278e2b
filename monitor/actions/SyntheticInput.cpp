#include "SyntheticInput.h"

namespace orvix {

std::uint8_t GenericModifier(std::uint8_t virtualKey) {
  switch (virtualKey) {
    case 0xA0:
    case 0xA1:
      return 0x10;  // Shift
    case 0xA2:
    case 0xA3:
      return 0x11;  // Ctrl
    case 0xA4:
    case 0xA5:
      return 0x12;  // Alt
    default:
      return virtualKey;
  }
}

}  // namespace orvix
