#include "ButtonSlots.h"

#include "ButtonAssignment.h"

namespace orvix {
namespace {

constexpr int kSlotOfDeviceIndex[kDeviceButtons] = {0, 1, 2, 3, 4, 7, 8, 9, 10, 12, 13, 14, 15, 16, 19, 20, 21, 22};

}  // namespace

int SlotFromDeviceIndex(int deviceIndex) {
  return deviceIndex >= 0 && deviceIndex < kDeviceButtons ? kSlotOfDeviceIndex[deviceIndex] : 0;
}

int DeviceIndexFromSlot(int slot) {
  for (int d = 0; d < kDeviceButtons; ++d)
    if (kSlotOfDeviceIndex[d] == slot) return d;
  return 0;
}

bool SlotHasDeviceButton(int slot) {
  for (int s : kSlotOfDeviceIndex)
    if (s == slot) return true;
  return false;
}

}  // namespace orvix
