#include "Shortcut.h"

#include <vector>

#include "ButtonAssignment.h"

namespace orvix {
namespace {

constexpr std::uint8_t kVkShift = 0x10, kVkCtrl = 0x11, kVkAlt = 0x12, kVkLeftWindows = 0x5B, kVkRightWindows = 0x5C;

// Present modifiers in press order: Ctrl, Shift, Alt, Windows. Bit 0 means none at all.
std::vector<std::uint8_t> Modifiers(std::uint8_t bits) {
  std::vector<std::uint8_t> keys;
  if (bits & kModifierNone) return keys;
  if (bits & kModifierCtrl) keys.push_back(kVkCtrl);
  if (bits & kModifierShift) keys.push_back(kVkShift);
  if (bits & kModifierAlt) keys.push_back(kVkAlt);
  if (bits & kModifierWin) keys.push_back(kVkLeftWindows);
  return keys;
}

void Pause1ms(PlaybackClock& clock) { clock.SleepUntil(clock.Now() + std::chrono::milliseconds(1)); }

void Send(const ShortcutPorts& ports, std::uint8_t vk, bool up) { ports.input.Key(vk, ports.keys.ScanCodeOf(vk), up); }

}  // namespace

void ShortcutPress(ShortcutWord word, const ShortcutPorts& ports) {
  for (std::uint8_t modifier : Modifiers(word.modifiers)) {
    Send(ports, modifier, false);
    Pause1ms(ports.clock);
  }
  if (const std::uint8_t vk = GenericModifier(ports.keys.VirtualKeyOf(word.key))) Send(ports, vk, false);
}

void ShortcutRepeat(ShortcutWord word, const ShortcutPorts& ports) {
  const std::uint8_t raw = ports.keys.VirtualKeyOf(word.key);
  // Modifier keys do not repeat.
  if ((raw >= 0xA0 && raw <= 0xA5) || raw == kVkLeftWindows || raw == kVkRightWindows || raw == 0) return;
  const std::uint8_t vk = GenericModifier(raw);
  Send(ports, vk, true);
  Pause1ms(ports.clock);
  Send(ports, vk, false);
}

void ShortcutRelease(ShortcutWord word, const ShortcutPorts& ports) {
  if (const std::uint8_t vk = GenericModifier(ports.keys.VirtualKeyOf(word.key))) Send(ports, vk, true);
  const std::vector<std::uint8_t> modifiers = Modifiers(word.modifiers);
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
    Pause1ms(ports.clock);
    Send(ports, *it, true);
  }
}

}  // namespace orvix
