// The layout string parser: every field is checked, so a damaged string gives no placement
// instead of a control at a wild place.
#include "LayoutString.h"

#include <algorithm>

namespace orvix {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsWhiteSpace(char c) { return IsBlank(c) || c == '\r' || c == '\n'; }

// Reads blanks, an optional minus (when allowed), digits and the ending comma from `rest`.
std::optional<int> TakeNumber(std::string_view& rest, bool negativeAllowed) {
  std::size_t i = 0;
  while (i < rest.size() && IsBlank(rest[i])) ++i;
  bool negative = false;
  if (negativeAllowed && i < rest.size() && rest[i] == '-') {
    negative = true;
    ++i;
  }
  std::size_t firstDigit = i;
  long value = 0;
  while (i < rest.size() && rest[i] >= '0' && rest[i] <= '9') {
    value = value * 10 + (rest[i] - '0');
    if (value > kLayoutCoordinateMax) return std::nullopt;
    ++i;
  }
  if (i == firstDigit || i >= rest.size() || rest[i] != ',') return std::nullopt;
  rest.remove_prefix(i + 1);
  return static_cast<int>(negative ? -value : value);
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsWhiteSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<ControlPlacement> ParseLayoutString(std::string_view text) {
  std::size_t firstComma = text.find(',');
  if (firstComma == std::string_view::npos) return std::nullopt;
  std::string_view rest = text.substr(firstComma + 1);
  std::optional<int> x = TakeNumber(rest, true);
  std::optional<int> y = x ? TakeNumber(rest, true) : std::nullopt;
  std::optional<int> w = y ? TakeNumber(rest, false) : std::nullopt;
  std::optional<int> h = w ? TakeNumber(rest, false) : std::nullopt;
  if (!h) return std::nullopt;

  ControlPlacement placement;
  placement.name = std::string(text.substr(0, std::min(firstComma, kLayoutNameMax)));
  placement.left = *x;
  placement.top = *y;
  placement.right = *x + *w;
  placement.bottom = *y + *h;
  std::string_view toolTip = Trimmed(text.substr(text.rfind(',') + 1));
  placement.toolTip = std::string(toolTip.substr(0, kLayoutToolTipMax));
  return placement;
}

}  // namespace orvix
