// The numbers typed into the editors' fields (a delay, a loop count), read without ever
// overflowing and held to their range.
#pragma once

#include <string>
#include <string_view>

namespace orvix {

// `text` trimmed of white space, as a decimal integer: an optional sign, then digits up to
// the first other character. No digits read as 0. Any number of digits is read safely: a
// value beyond the range gives the nearest bound.
int ClampedDecimal(std::string_view text, int minimum, int maximum);

// The loop count field: at most 3 characters; 256 and above become 255, 0 and below (and
// no number) 1. `corrected` when the field must be rewritten to show `value`.
struct LoopField {
  int value = 1;
  bool corrected = false;
  std::string text;  // what the field shows
};
LoopField ReadLoopField(std::string_view typed);

// A delay typed in place: trimmed and read as decimal; above 65534 it becomes 65535, zero
// or negative (or no number) 1.
int ReadDelayField(std::string_view typed);

}  // namespace orvix
