// The two version texts of the main dialog's header.
#pragma once

#include <string>

namespace orvix {

inline constexpr char kSoftwareVersionText[] = "1.14";

// The firmware version as the header shows it, the same at start-up and after a device
// read: a three-digit version (100..999) with a point after its first digit (114 gives
// "1.14"), anything else "N/A".
std::string FirmwareVersionText(int version);

}  // namespace orvix
