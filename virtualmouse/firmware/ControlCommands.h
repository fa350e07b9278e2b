// The control language of the virtual mouse: one command per line, answered with text
// whose first line is "ok" or "error: <why>". The control tool passes its command line
// through; tests use the same words.
#pragma once

#include <string>
#include <string_view>

#include "Firmware.h"

namespace orvix::vmouse {

// The name of the channel the library serves the commands on.
inline constexpr char kControlPipeName[] = "\\\\.\\pipe\\OrvixOneVirtualMouse";

std::string RunControlCommand(Firmware& firmware, std::string_view line);
// The words of the language, for --help.
std::string ControlHelp();

}  // namespace orvix::vmouse
