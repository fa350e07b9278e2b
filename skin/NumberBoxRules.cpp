// Spin field rules. Numbers are read with saturation: a row of nines is a large value,
// never an overflow.
#include "NumberBoxRules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace orvix {
namespace {

constexpr std::string_view kValueStarts = "-+123456789";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The typed text reduced to an optional leading sign and digits.
std::string Cleaned(std::string_view text) {
  std::size_t start = text.find_first_of(kValueStarts);
  if (start == std::string_view::npos) return {};
  std::string cleaned;
  for (std::size_t i = start; i < text.size(); ++i) {
    char c = text[i];
    if (IsDigit(c) || (i == start && (c == '-' || c == '+'))) cleaned.push_back(c);
  }
  return cleaned;
}

// The value of a cleaned text, saturated far beyond any int range.
std::int64_t ValueOf(std::string_view cleaned) {
  bool negative = !cleaned.empty() && cleaned.front() == '-';
  std::int64_t value = 0;
  for (char c : cleaned) {
    if (!IsDigit(c)) continue;
    value = std::min<std::int64_t>(value * 10 + (c - '0'), std::int64_t{1} << 40);
  }
  return negative ? -value : value;
}

}  // namespace

NumberBoxRules::NumberBoxRules(int minimum, int maximum, int step)
    : minimum_(minimum), maximum_(std::max(minimum, maximum)), step_(std::max(1, step)) {}

int NumberBoxRules::Clamp(int value) const { return std::clamp(value, minimum_, maximum_); }

NumberBoxRules::Typed NumberBoxRules::OnTyped(std::string_view text) const {
  std::string cleaned = Cleaned(text);
  std::int64_t value = ValueOf(cleaned);
  if (value > maximum_) return {std::to_string(maximum_), maximum_};
  if (value == 0) return {std::to_string(minimum_), minimum_};
  // Below the minimum is allowed while typing, but never below what an int holds.
  if (value < INT32_MIN) value = INT32_MIN;
  return {cleaned, static_cast<int>(value)};
}

int NumberBoxRules::Commit(std::string_view text) const {
  int typed = OnTyped(text).value;
  return std::max(typed, minimum_);
}

int NumberBoxRules::Step(int value, int steps) const {
  // Steps land on the grid minimum + k * step: a value between two grid points first moves
  // to the next one in the direction of the step.
  std::int64_t offset = static_cast<std::int64_t>(Clamp(value)) - minimum_;
  std::int64_t below = offset / step_;
  bool onGrid = offset % step_ == 0;
  std::int64_t k = below;
  if (steps > 0) k = below + steps;
  if (steps < 0) k = (onGrid ? below : below + 1) + steps;
  std::int64_t next = minimum_ + k * step_;
  return static_cast<int>(std::clamp<std::int64_t>(next, minimum_, maximum_));
}

std::size_t NumberBoxRules::MaxTextLength() const {
  std::int64_t largest = std::max<std::int64_t>(std::abs(static_cast<std::int64_t>(maximum_)),
                                                std::abs(static_cast<std::int64_t>(minimum_)));
  std::size_t digits = std::to_string(largest).size();
  return digits + (minimum_ < 0 ? 1 : 0);
}

}  // namespace orvix
