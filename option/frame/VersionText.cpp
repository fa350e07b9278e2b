#include "VersionText.h"

namespace orvix {

std::string FirmwareVersionText(int version) {
  if (version < 100 || version > 999) return "N/A";
  const std::string digits = std::to_string(version);
  return digits.substr(0, 1) + "." + digits.substr(1);
}

}  // namespace orvix
