#include "DecimalText.h"

namespace orvix {

std::int32_t ParseDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ' && text[i] != '\0') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::uint32_t value = 0;  // unsigned: wraps instead of overflowing
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

}  // namespace orvix
