// The monitor's entry in the companion application's "TConfig.ini", through which the
// companion application finds the monitors of the maker's devices.
#pragma once

#include "IniFile.h"

namespace orvix {

// Writes section "OrvixOne" unless a section already names "Orvix One" (in any case).
// True when the entry was written.
bool RegisterInCompanionFile(const IniFile& file);

}  // namespace orvix
