// Puts a number or a name into a text of a language library ("Profile %d" gives
// "Profile 3", "Delete \"%s\"?" a question about a name). The pattern is data from a file
// that may be damaged or foreign, so it never reaches a printf: only the first "%d" (or
// "%s") takes the value, "%%" gives "%", anything else stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace orvix {

std::wstring FormatWithNumber(std::wstring_view pattern, int number);
std::wstring FormatWithText(std::wstring_view pattern, std::wstring_view value);

}  // namespace orvix
