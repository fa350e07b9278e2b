// The English texts compiled into the program, generated from the text table: the last
// fallback for a text that neither the chosen language library nor "English_help.dll" has.
#pragma once

#include <string_view>

namespace orvix {

// Empty for an identifier the table does not have.
std::wstring_view EnglishText(int id);

}  // namespace orvix
