// Puts a number into a text of a language library ("Profile %d" gives "Profile 3").
// The pattern is data from a file that may be damaged or foreign, so it never reaches a
// printf: only the first "%d" takes the number, "%%" gives "%", anything else stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace orvix {

std::wstring FormatWithNumber(std::wstring_view pattern, int number);

}  // namespace orvix
