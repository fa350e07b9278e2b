// A dialog's layout table: one role and one layout string per control or piece of art,
// generated at build time from the dialog's ".layout" file, which the art generator reads
// too, so that the code and the art never disagree on where a control is.
#pragma once

#include <cstddef>
#include <string_view>

namespace orvix {

struct LayoutLine {
  const char* role;    // "tab.main", "slot.3", "art.logo" …
  const char* layout;  // "Main,7,79,121,37,Main settings for the selected device"
};

// The line of `role`, or nullptr.
template <std::size_t N>
constexpr const LayoutLine* FindLayoutRole(const LayoutLine (&table)[N], std::string_view role) {
  for (const LayoutLine& line : table)
    if (role == line.role) return &line;
  return nullptr;
}

}  // namespace orvix
