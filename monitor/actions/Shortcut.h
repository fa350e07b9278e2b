// A shortcut button: its modifiers and key pressed while the button is held, the key
// repeated, and everything let go in reverse order.
#pragma once

#include <cstdint>

#include "SyntheticInput.h"

namespace orvix {

// The shortcut of a slot: key code (byte 166) and modifier bits (byte 167).
struct ShortcutWord {
  std::uint8_t key = 0;
  std::uint8_t modifiers = 0;
};

struct ShortcutPorts {
  InputSink& input;
  const KeyTranslator& keys;
  PlaybackClock& clock;  // the 1 ms pauses between the keys
};

void ShortcutPress(ShortcutWord word, const ShortcutPorts& ports);
void ShortcutRepeat(ShortcutWord word, const ShortcutPorts& ports);
void ShortcutRelease(ShortcutWord word, const ShortcutPorts& ports);

}  // namespace orvix
