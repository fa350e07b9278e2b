#include "pages/buttons/ShortcutChoice.h"

#include "ButtonFunctionCodes.h"

namespace orvix::button_page {

std::uint8_t ModifierByteOf(const ShortcutChoice& shortcut) {
  if (shortcut.flag(ShortcutFlag::kNone)) return kModifierNone;
  std::uint8_t modifiers = 0;
  for (int bit = 1; bit < kShortcutFlags; ++bit)
    if (shortcut.flags[static_cast<std::size_t>(bit)]) modifiers |= static_cast<std::uint8_t>(1u << bit);
  return modifiers;
}

ShortcutChoice ShortcutOfBytes(std::uint8_t key, std::uint8_t modifiers) {
  ShortcutChoice shortcut;
  shortcut.key = key;
  for (int bit = 0; bit < kShortcutFlags; ++bit)
    shortcut.flags[static_cast<std::size_t>(bit)] = (modifiers >> bit) & 1u;
  return shortcut;
}

ShortcutChoice ShortcutOfSlot(const ButtonAssignment& slot) {
  if (slot.function != kFunctionShortcut) return {};
  return ShortcutOfBytes(ShortcutKey(slot), ShortcutModifiers(slot));
}

}  // namespace orvix::button_page
