// The fixed mapping between the 24 button slots of a profile and the 18 buttons the
// mouse stores (device button index 0..17).
#pragma once

namespace orvix {

// Slot of device button index d; an index outside 0..17 maps to slot 0.
int SlotFromDeviceIndex(int deviceIndex);
// Device button index of slot s; a slot without a device button maps to index 0.
int DeviceIndexFromSlot(int slot);
// True for the 18 slots the mouse knows (0..4, 7..10, 12..16, 19..22).
bool SlotHasDeviceButton(int slot);

}  // namespace orvix
