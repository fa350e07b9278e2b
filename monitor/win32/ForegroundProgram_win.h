// The executable file name of the program that owns the foreground window.
#pragma once

#include <string>

namespace orvix {

// Lower-case file name with extension (for example "game.exe"); empty when there is no
// foreground window or its process is not in the process snapshot.
std::string ForegroundProgramName();

}  // namespace orvix
