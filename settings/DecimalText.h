// Numbers stored as decimal text: INI values and registry strings.
#pragma once

#include <cstdint>
#include <string_view>

namespace orvix {

// Reads a number the way GetPrivateProfileInt does: leading white space, an optional
// sign, then decimal digits up to the first other character. No digits give 0, and a
// number out of the 32-bit range wraps as 32-bit arithmetic would, never overflowing.
std::int32_t ParseDecimal(std::string_view text);

}  // namespace orvix
