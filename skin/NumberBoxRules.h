// The rules of the spin field, a numeric edit with up and down arrows: what typing leaves
// in the field, what Enter commits, what the arrows step to.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvix {

class NumberBoxRules {
 public:
  // A maximum below the minimum is raised to it; a step below 1 is 1.
  NumberBoxRules(int minimum, int maximum, int step = 1);

  struct Typed {
    std::string text;  // what the field shows now
    int value;         // its value, at most the maximum (0 counts as the minimum)
  };

  // While the user types: everything before the first character that is one of
  // "-+123456789" is dropped (so leading zeros go), then only digits and a single leading
  // sign remain; a value above the maximum is the maximum, a value of 0 the minimum, and
  // the text then shows that value. Values below the minimum stay while typing, so that
  // "1" can still become "15".
  Typed OnTyped(std::string_view text) const;

  // Enter (or leaving the field): the typed value, also raised to the minimum.
  int Commit(std::string_view text) const;

  // The up and down arrows: `steps` steps along minimum + k * step from `value`, in range;
  // the maximum is always reachable.
  int Step(int value, int steps) const;

  int Clamp(int value) const;
  // As many characters as the maximum has digits, one more for a minus sign when the
  // minimum is negative.
  std::size_t MaxTextLength() const;

  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  int step() const { return step_; }

 private:
  int minimum_, maximum_, step_;
};

}  // namespace orvix
