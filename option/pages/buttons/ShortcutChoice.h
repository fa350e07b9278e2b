// A keyboard shortcut as the shortcut dialog edits it: a key code and five flags, and
// their form in a function-5 slot (key code and modifier byte, bits 0..4).
#pragma once

#include <array>
#include <cstdint>

#include "ButtonAssignment.h"

namespace orvix::button_page {

// In dialog order; the flag's bit in the modifier byte is its index.
enum class ShortcutFlag { kNone = 0, kShift = 1, kCtrl = 2, kAlt = 3, kWin = 4 };
inline constexpr int kShortcutFlags = 5;

struct ShortcutChoice {
  std::uint8_t key = 0;  // key code (usage code of the key table); 0: none yet
  std::array<bool, kShortcutFlags> flags{};
  bool flag(ShortcutFlag f) const { return flags[static_cast<std::size_t>(f)]; }
  friend bool operator==(const ShortcutChoice&, const ShortcutChoice&) = default;
};

// The modifier byte: 1 alone while None is set, else the bits of Shift, Ctrl, Alt, Win.
std::uint8_t ModifierByteOf(const ShortcutChoice& shortcut);
ShortcutChoice ShortcutOfBytes(std::uint8_t key, std::uint8_t modifiers);
// What the dialog opens with: the slot's shortcut when its function is 5, else nothing
// (the first event of another function is a macro's, not a shortcut).
ShortcutChoice ShortcutOfSlot(const ButtonAssignment& slot);

}  // namespace orvix::button_page
