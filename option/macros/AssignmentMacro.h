// The macro a button assignment carries: a copy, never a reference into the library.
#pragma once

#include <string_view>

#include "ButtonAssignment.h"
#include "MacroRecord.h"

namespace orvix {

// Gives the slot the macro function with a copy of `macro` of the set `setName`. The
// names are cut to the slot's fields, always terminated; events past the count are zero.
void CopyMacroIntoAssignment(std::string_view setName, const MacroRecord& macro, ButtonAssignment& slot);

// Clears what a macro or a timer left in the slot: event and loop counts, the events and
// the set and macro names.
void ClearMacroFields(ButtonAssignment& slot);

}  // namespace orvix
