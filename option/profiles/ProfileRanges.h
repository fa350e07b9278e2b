// The ranges of a profile's values, as the pages, the monitor and the mouse use them.
#pragma once

#include "ProfileRecord.h"

namespace orvix {

// Brings every value of `record` into its range and returns how many it changed.
// `defaults` (the slot's defaults) gives the function of a button slot whose function
// code is unknown.
int ClampProfileValues(ProfileRecord& record, const ProfileRecord& defaults);

// Whether a button function code is one the suite knows.
bool IsKnownButtonFunction(int code);

}  // namespace orvix
