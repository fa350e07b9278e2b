// The file that keeps pending edits when the program is closed from outside (the mouse was
// unplugged, the monitor ended): the working copy and the copy it differs from, so that
// the next start can carry exactly those edits onto the state it finds.
#pragma once

#include <string>
#include <string_view>

#include "SharedDataBlock.h"

namespace orvix {

inline constexpr char kUnappliedEditsFile[] = "config\\UnappliedChanges.dat";

std::string EncodeUnappliedEdits(const SharedDataBlock& working, const SharedDataBlock& applied);
// False, with both records untouched, unless the content is exactly such a file.
bool DecodeUnappliedEdits(std::string_view content, SharedDataBlock& working, SharedDataBlock& applied);

}  // namespace orvix
