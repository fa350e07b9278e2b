// Layout strings place every control of the configuration program: the control's name,
// then x, y, width and height, each followed by a comma, then an optional tool-tip, for
// example "BUTTON_OK,14,310,60,26," or "Color,446,79,129,37,Color Setting".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "PixelRect.h"

namespace orvix {

struct ControlPlacement {
  std::string name;  // identifies the control, never shown
  int left = 0, top = 0, right = 0, bottom = 0;  // the parent's client pixels at 96 DPI
  std::string toolTip;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  PixelRect Rect() const { return {left, top, right, bottom}; }
};

inline constexpr std::size_t kLayoutNameMax = 39;
inline constexpr std::size_t kLayoutToolTipMax = 403;
// Larger numbers are no layout a window can have; refusing them keeps x + w far from overflow.
inline constexpr int kLayoutCoordinateMax = 32767;

// The name is the text before the first comma (cut to 39 characters); four decimal integers
// follow, blanks allowed before each, each ended by a comma; width and height are never
// negative. The tool-tip is the text after the last comma, blanks trimmed, cut to 403
// characters. Anything else gives nullopt.
std::optional<ControlPlacement> ParseLayoutString(std::string_view text);

}  // namespace orvix
