// Pending edits: the fields in which the working copy differs from the copy last
// exchanged with the monitor. They are carried onto a newer state field by field, so
// that what the monitor wrote since (statistics, a profile or DPI change made on the
// mouse) and what the user changed both survive.
#pragma once

#include <functional>

#include "RecordFields.h"
#include "SharedDataBlock.h"

namespace orvix {

// Fields that a merge leaves as `target` has them even when the user changed them.
using FieldFilter = std::function<bool(const FieldSpan&)>;

// Copies into `target` every field in which `edited` differs from `base`, except those
// `keepTarget` names.
void MergeEdits(ConfigRecord& target, const ConfigRecord& base, const ConfigRecord& edited,
                const FieldFilter& keepTarget = nullptr);

// True when `working` holds an edit that `applied` does not: a changed field or a change
// flag set by a page.
bool HasPendingEdits(const SharedDataBlock& working, const SharedDataBlock& applied);

// The fields the mouse changes by itself in profile `slot` (the level fields): the six dpi
// flags, Cpi_X, Cpi_Y, the ten CPI levels, the three sensitivities and the polling rate.
// `CurrentProfile` counts too. A slot outside 0..4 names only `CurrentProfile`. Where both
// the user and the mouse changed one of these, the mouse's value is the one to keep.
FieldFilter MouseSideFields(int slot);

}  // namespace orvix
