#include "PointerAcceleration.h"

namespace orvix {

AccelerationToApply ChooseAcceleration(int accelerationFlag, MouseAcceleration registry) {
  const bool anySet = registry.speed != 0 || registry.threshold1 != 0 || registry.threshold2 != 0;
  if (accelerationFlag != 1 && anySet) return {MouseAcceleration{}, true};
  return {registry, false};
}

}  // namespace orvix
