// Names the user gives things (macro sets, macros, timers): trimmed, compared without
// regard to case, and made unique by a number.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace orvix {

// The name without white space at either end: the characters the INI functions trim
// around a value, so a name and the name read back from a file are the same.
std::string_view TrimName(std::string_view name);

// Trimmed and ASCII case-insensitive, as the lists compare names.
bool SameName(std::string_view a, std::string_view b);

// `base` when `taken` refuses it not, otherwise the first of "base (2)", "base (3)", ...
// that it does not; `base` is cut so the whole stays within `maxLength` characters.
// `base` must be trimmed and not empty.
std::string UniqueName(std::string_view base, std::size_t maxLength,
                       const std::function<bool(std::string_view)>& taken);

}  // namespace orvix
