#include "pages/color/ColorPageModel.h"

#include <algorithm>

namespace orvix::color_page {
namespace {

constexpr bool InRange(int value, int count) { return value >= 0 && value < count; }

constexpr Reaction kMovesOnly{true, false, false};
constexpr Reaction kShowsAgain{true, true, true};

}  // namespace

void SetPaletteColour(ProfileRecord& profile, int index) {
  const int clamped = ClampPaletteIndex(index);
  const Rgb colour = PaletteDeviceColour(clamped);
  const int entries = profile.UseColorForAll == 1 ? 4 : 1;
  for (int i = 0; i < entries; ++i) {
    LightEntry& entry = profile.LightInfo[i];
    entry.paletteIndex = static_cast<std::uint8_t>(clamped);
    entry.red = colour.red;
    entry.green = colour.green;
    entry.blue = colour.blue;
  }
}

Reaction ChooseEffectMode(ProfileRecord& profile, int choice) {
  if (!InRange(choice, kEffectModes)) return {};
  profile.LightEffectMode = choice + 1;
  return kMovesOnly;
}

Reaction ChooseFlow(ProfileRecord& profile, int choice) {
  if (!InRange(choice, kFlows)) return {};
  profile.LightColorFlow = choice;
  return {true, false, true};
}

Reaction ChooseEffectType(ProfileRecord& profile, int choice) {
  if (!InRange(choice, kEffectTypes)) return {};
  profile.LightEffectType = choice;
  return kShowsAgain;
}

Reaction ChooseColourSource(ProfileRecord& profile, int choice) {
  if (!InRange(choice, kColourSources)) return {};
  profile.LtChoseType = choice;
  return kShowsAgain;
}

Reaction ChoosePaletteColour(ProfileRecord& profile, int index) {
  if (!InRange(index, kPaletteColours)) return {};
  profile.LtChoseType = 0;
  SetPaletteColour(profile, index);
  return kShowsAgain;
}

Reaction ChooseCustomColour(ProfileRecord& profile) {
  profile.LtChoseType = 1;
  return kShowsAgain;
}

Reaction SetCustomChannel(ProfileRecord& profile, Channel channel, int value) {
  const auto byte = static_cast<std::uint8_t>(std::clamp(value, 0, kChannelMaximum));
  LightEntry& entry = profile.CustomLightInfo[0];
  switch (channel) {
    case Channel::kRed: entry.red = byte; break;
    case Channel::kGreen: entry.green = byte; break;
    case Channel::kBlue: entry.blue = byte; break;
  }
  return kShowsAgain;
}

Reaction TakePickedColour(ProfileRecord& profile, const Rgb& colour) {
  LightEntry& entry = profile.CustomLightInfo[0];
  entry.red = colour.red;
  entry.green = colour.green;
  entry.blue = colour.blue;
  // The slot swatch follows the picked colour at once, as it follows the number boxes.
  return kShowsAgain;
}

View ViewOf(const ProfileRecord& profile) {
  View view;
  const int index = profile.LightInfo[0].paletteIndex;
  view.selectedPalette = InRange(index, kPaletteColours) ? index : -1;
  view.effectType = InRange(profile.LightEffectType, kEffectTypes) ? profile.LightEffectType : -1;
  view.colourSource = profile.LtChoseType == 0 ? 0 : 1;
  const LightEntry& custom = profile.CustomLightInfo[0];
  view.custom = {custom.red, custom.green, custom.blue};
  return view;
}

}  // namespace orvix::color_page
