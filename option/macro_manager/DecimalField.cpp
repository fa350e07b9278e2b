#include "macro_manager/DecimalField.h"

#include <algorithm>
#include <cstdint>

namespace orvix {
namespace {

constexpr int kMaxLoopTimes = 255;
constexpr int kMaxDelay = 65535;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

int ClampedDecimal(std::string_view text, int minimum, int maximum) {
  text = Trimmed(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Once past every int the digits after cannot bring the value back into range, so the
  // magnitude stops growing there and never overflows.
  constexpr std::int64_t kBeyondAnyInt = std::int64_t{1} << 32;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    magnitude = std::min(magnitude * 10 + (text[i] - '0'), kBeyondAnyInt);
  const std::int64_t value = negative ? -magnitude : magnitude;
  return static_cast<int>(std::clamp<std::int64_t>(value, minimum, maximum));
}

LoopField ReadLoopField(std::string_view typed) {
  LoopField field;
  // An emptied field is left empty while the user types the new count; it reads as 1.
  if (typed.empty()) return field;
  field.value = ClampedDecimal(typed, 1, kMaxLoopTimes);
  field.text = std::to_string(field.value);
  // Anything but the plain number is rewritten: "0" shows "1", "300" "255", "007" "7".
  field.corrected = field.text != typed;
  return field;
}

int ReadDelayField(std::string_view typed) { return ClampedDecimal(typed, 1, kMaxDelay); }

}  // namespace orvix
