// The two ways between the library and the macros the buttons carry: the merge takes
// into the library what the buttons carry (after a load of the profiles), the push gives
// the buttons what the manager changed (after its OK).
#pragma once

#include <string_view>

#include "ConfigRecord.h"
#include "SharedDataBlock.h"
#include "macros/MacroLibrary.h"

namespace orvix {

// The set and the macro a button's names mean, -1 when none. The names are the button's
// 50-byte fields, which may lack a terminator; they are made storable as the merge does, so
// a button whose set name the library had to change still finds the set, and a library
// name longer than the field also matches its cut copy in a button.
int SetNamedByAssignment(const MacroLibrary& library, std::string_view setName);
int MacroNamedByAssignment(const MacroLibrary& library, int set, std::string_view macroName);

// Every macro button (function 48 with a set name and a macro name) of the five profiles,
// profile by profile and button by button: a set or macro the library lacks is added
// (its set Added), one whose events differ is given the button's events, event count and
// loop count (Modified); equal events change nothing, whatever the loop counts. A set or
// macro beyond the library's limits is not added. True when the library changed: the
// caller then saves it.
bool MergeAssignmentsIntoLibrary(const ConfigRecord& config, MacroLibrary& library);

// After the manager's OK: every macro button of the five profiles whose set and macro the
// library holds and whose loop count or events differ takes the library's copy, and its
// change flag is set, so that the next merge cannot bring the button's older sequence
// back and the next Apply sends the new one. Buttons naming a macro that is gone stay as
// they are. The number of buttons updated.
int PushLibraryIntoAssignments(const MacroLibrary& library, ConfigRecord& config, ChangeFlags& flags);

}  // namespace orvix
