// Case-insensitive comparison of names (INI sections and keys, registry roots), as the
// system compares them for ASCII letters.
#pragma once

#include <cstddef>
#include <string_view>

namespace orvix {

constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

}  // namespace orvix
