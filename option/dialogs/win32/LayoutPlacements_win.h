// The placements of one dialog's layout table, looked up by role.
#pragma once

#include <cstddef>
#include <string_view>

#include "LayoutString.h"
#include "LayoutTable.h"

namespace orvix {

class LayoutPlacements {
 public:
  constexpr LayoutPlacements() = default;
  template <std::size_t N>
  constexpr LayoutPlacements(const LayoutLine (&table)[N]) : lines_(table), count_(N) {}  // NOLINT: a view

  // The role's placement; an empty one when the table lacks it.
  ControlPlacement Of(std::string_view role) const {
    for (std::size_t i = 0; i < count_; ++i)
      if (role == lines_[i].role)
        if (auto placement = ParseLayoutString(lines_[i].layout)) return *placement;
    return {};
  }
  // The "dialog" line: the window's size in 96-DPI units.
  ControlPlacement Dialog() const { return Of("dialog"); }

 private:
  const LayoutLine* lines_ = nullptr;
  std::size_t count_ = 0;
};

}  // namespace orvix
