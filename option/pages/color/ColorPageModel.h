// What the lighting page does to the current profile when one of its controls is used,
// and what it then shows. The page writes the working copy at once; whether it shows the
// profile again and whether the frame repaints the slot swatches depends on the control.
#pragma once

#include "ProfileRecord.h"
#include "frame/LightPalette.h"

namespace orvix::color_page {

inline constexpr int kEffectModes = 3;  // "Use Selected color", "Random single color", "Random multi color"
inline constexpr int kFlows = 6;        // "Flow Off" and the five flow directions
inline constexpr int kEffectTypes = 5;  // off, full, breathing, blinking, heartbeat
inline constexpr int kColourSources = 2;  // a palette colour or the custom colour
inline constexpr int kVisiblePalette = 16;
inline constexpr int kChannelMaximum = 255;

enum class Channel { kRed, kGreen, kBlue };

// What follows an edit: the page shows the profile again, and the frame is told to repaint
// its slot colour swatches. Nothing changed (a choice out of range) gives neither.
struct Reaction {
  bool changed = false;
  bool refresh = false;
  bool slotColours = false;
  friend bool operator==(const Reaction&, const Reaction&) = default;
};

// The device colour of palette index `index` (clamped to 0..32) into the first light entry,
// or into all four when the profile applies its colour to every entry. The on flags stay.
void SetPaletteColour(ProfileRecord& profile, int index);

// The controls of the page, one function each; `choice` counts from 0 in table order.
Reaction ChooseEffectMode(ProfileRecord& profile, int choice);
Reaction ChooseFlow(ProfileRecord& profile, int choice);
Reaction ChooseEffectType(ProfileRecord& profile, int choice);
Reaction ChooseColourSource(ProfileRecord& profile, int choice);
Reaction ChoosePaletteColour(ProfileRecord& profile, int index);
Reaction ChooseCustomColour(ProfileRecord& profile);
// A number box: the channel of the first custom entry, clamped to 0..255.
Reaction SetCustomChannel(ProfileRecord& profile, Channel channel, int value);
// A colour picked on the colour strip becomes the first custom entry's colour.
Reaction TakePickedColour(ProfileRecord& profile, const Rgb& colour);

// What the page shows for a profile.
struct View {
  int selectedPalette = -1;  // the palette button with the selected look; -1: none
  int effectType = -1;       // the effect choice shown on; -1: none (a value the page lacks)
  int colourSource = 0;      // 0 palette colour, 1 custom colour (any other value counts as custom)
  Rgb custom;                // the number boxes, the custom swatch and its button
};
View ViewOf(const ProfileRecord& profile);

}  // namespace orvix::color_page
