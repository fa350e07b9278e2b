// Which acceleration values the monitor puts into effect for the current profile.
#pragma once

namespace orvix {

struct MouseAcceleration {
  int speed = 0;
  int threshold1 = 0;
  int threshold2 = 0;
};

struct AccelerationToApply {
  MouseAcceleration values;
  // Acceleration is off but the registry still held values: the registry values are set
  // to "0" and the profile's Acceleration to 0, so that Windows and the profile agree.
  bool zeroRegistryAndProfile = false;
};

// `registry` holds the values read from "Control Panel\Mouse" (unreadable ones as 0).
AccelerationToApply ChooseAcceleration(int accelerationFlag, MouseAcceleration registry);

}  // namespace orvix
