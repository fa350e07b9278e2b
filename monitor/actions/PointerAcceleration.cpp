#include "PointerAcceleration.h"

namespace orvix {

AccelerationToApply ChooseAcceleration(int accelerationFlag, AccelerationTriple registry) {
  const bool anySet = registry.speed != 0 || registry.threshold1 != 0 || registry.threshold2 != 0;
  if (accelerationFlag != 1 && anySet) return {AccelerationTriple{}, true};
  return {registry, false};
}

}  // namespace orvix
