// What a device button does on the mouse's own side: the mouse switches profiles, DPI
// levels and sensitivity itself, counts clicks and wheel turns, and reports to the host
// what it changed and which buttons need the host.
#pragma once

#include <vector>

#include "HostEvents.h"
#include "MouseMemory.h"

namespace orvix::vmouse {

struct ButtonOutcome {
  std::vector<MouseEvent> events;
  bool memoryChanged = false;  // profile, DPI level or sensitivity changed
};

// Device button index 0..17 of the current profile; any other index does nothing.
ButtonOutcome PressButton(MouseState& state, int deviceIndex);
ButtonOutcome ReleaseButton(const MouseState& state, int deviceIndex);

}  // namespace orvix::vmouse
