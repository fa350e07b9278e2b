#include "FirmwareCheck.h"

namespace orvix {

std::optional<int> FirmwareUpdaterParameter(std::optional<int> deviceVersion, int expected) {
  if (!deviceVersion || *deviceVersion == 0) return std::nullopt;
  const auto device = static_cast<std::uint32_t>(*deviceVersion);
  const auto carried = static_cast<std::uint32_t>(expected);
  if (carried == device) return std::nullopt;
  return carried > device ? 1 : 0;
}

}  // namespace orvix
