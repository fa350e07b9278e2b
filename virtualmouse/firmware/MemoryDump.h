// The mouse's memory as readable text, for people and tests using the control tool.
#pragma once

#include <string>

#include "Firmware.h"
#include "MouseMemory.h"

namespace orvix::vmouse {

struct DumpContext {
  bool pluggedIn;
  bool featureDeviceOpen;
  FaultPlan faults;
};

std::string DumpMemory(const MouseMemory& memory, const DumpContext& context);

}  // namespace orvix::vmouse
