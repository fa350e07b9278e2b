// Which parts of the block an apply asks the monitor to write: computed from the working
// copy against the copy last handed over.
#pragma once

#include "SharedDataBlock.h"

namespace orvix {

// Profile p's settings flag is 1 when a field of its report 6 differs (orientation, the
// sensitivities, the dpi flags and levels, the polling rate and the lights; not the sounds,
// names, game files, pointer settings or buttons). The current-profile flag follows
// CurrentProfile, the tracking flag LiftOnFlag and TrackControlFlag. A button flag is 1
// when a page set it in `working` or when the button's assignment differs.
ChangeFlags ComputeChangeFlags(const SharedDataBlock& working, const SharedDataBlock& applied);

}  // namespace orvix
