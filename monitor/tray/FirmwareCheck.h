// Whether the mouse's firmware differs from the one the firmware updater carries, and
// with which parameter the updater is then started.
#pragma once

#include <cstdint>
#include <optional>

namespace orvix {

// The updater's parameter: 1 when the updater carries a newer firmware (or its version is
// unknown), 0 when the mouse's is newer. nullopt: nothing to do (versions equal, or the
// mouse's version could not be read or is 0).
// `expected` is the updater's "Version" as read with default -1; the comparison is made
// on unsigned numbers so that a missing version counts as newer than every firmware.
std::optional<int> FirmwareUpdaterParameter(std::optional<int> deviceVersion, int expected);

}  // namespace orvix
