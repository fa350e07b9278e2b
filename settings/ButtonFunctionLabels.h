// The text the button-assignment page shows for a slot: a fixed label per function code,
// or one computed from the slot (shortcut keys, program name, macro or timer name, …).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ButtonAssignment.h"
#include "CompanionDevice.h"
#include "ProfileRecord.h"

namespace orvix {

// The fixed label of a code; empty for codes computed from the slot and for unused codes.
const char* FixedButtonLabel(std::uint8_t code);

// Names a key code of a shortcut ("A", "F5", "Left Arrow").
using KeyNamer = std::function<std::string(std::uint8_t usage)>;

std::string ButtonFunctionLabel(const ButtonAssignment& slot, const ProfileRecord& profile,
                                const CompanionDeviceList& devices, const KeyNamer& keyName);

}  // namespace orvix
