// Which acceleration values the monitor puts into effect for the current profile.
#pragma once

#include "PointerRegistry.h"

namespace orvix {

struct AccelerationToApply {
  AccelerationTriple values;
  // Acceleration is off but the registry still held values: the registry values are set
  // to "0" and the profile's Acceleration to 0, so that Windows and the profile agree.
  bool zeroRegistryAndProfile = false;
};

// `registry` holds the values read from "Control Panel\Mouse" (unreadable ones as 0).
AccelerationToApply ChooseAcceleration(int accelerationFlag, AccelerationTriple registry);

}  // namespace orvix
