// The 33 colours of the light palette: the colour sent to the mouse and the colour shown
// on screen (on the lighting page and the slot colour swatches). For indices 0..15 the two
// are equal; 16..32 show a colour of their own.
#pragma once

#include <cstdint>

#include "ProfileRecord.h"

namespace orvix {

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr int kPaletteColours = 33;

// For a palette index 0..32 the colour it shows; for any other index the colour stored in
// the entry itself (a custom colour).
Rgb DisplayColourOf(const LightEntry& entry);
// The colour of index 0..32 the mouse gets; the entry's own colour for any other index.
Rgb DeviceColourOf(const LightEntry& entry);

// The colours of a palette index; an index outside 0..32 counts as the nearest one.
Rgb PaletteDeviceColour(int index);
Rgb PaletteDisplayColour(int index);
constexpr int ClampPaletteIndex(int index) {
  return index < 0 ? 0 : index >= kPaletteColours ? kPaletteColours - 1 : index;
}

// A slot's colour swatch: black when the lights are off, the first custom colour when the
// profile uses a custom colour, else the display colour of the first palette entry.
Rgb SlotSwatchColour(const ProfileRecord& profile);

}  // namespace orvix
