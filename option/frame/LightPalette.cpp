#include "frame/LightPalette.h"

namespace orvix {
namespace {

struct PaletteColour {
  Rgb device, display;
};

constexpr PaletteColour kPalette[kPaletteColours] = {
    {{5, 144, 254}, {5, 144, 254}},     {{0, 113, 255}, {0, 113, 255}},    {{0, 0, 255}, {0, 0, 255}},
    {{92, 24, 230}, {92, 24, 230}},     {{129, 24, 230}, {129, 24, 230}},  {{197, 24, 230}, {197, 24, 230}},
    {{248, 4, 124}, {248, 4, 124}},     {{255, 0, 0}, {255, 0, 0}},        {{247, 121, 0}, {247, 121, 0}},
    {{231, 220, 0}, {231, 220, 0}},     {{194, 242, 8}, {194, 242, 8}},    {{0, 255, 0}, {0, 255, 0}},
    {{24, 166, 42}, {24, 166, 42}},     {{19, 236, 150}, {19, 236, 150}},  {{13, 226, 217}, {13, 226, 217}},
    {{0, 190, 244}, {0, 190, 244}},     {{0, 250, 250}, {1, 203, 207}},    {{200, 250, 250}, {107, 225, 227}},
    {{0, 150, 250}, {41, 197, 254}},    {{0, 100, 250}, {38, 162, 234}},   {{100, 100, 250}, {100, 158, 240}},
    {{0, 50, 250}, {38, 132, 232}},     {{0, 25, 250}, {0, 72, 255}},      {{0, 0, 250}, {14, 15, 255}},
    {{0, 0, 125}, {15, 15, 189}},       {{35, 0, 250}, {89, 7, 255}},      {{100, 0, 250}, {121, 12, 255}},
    {{250, 0, 250}, {160, 12, 254}},    {{155, 50, 250}, {170, 108, 231}}, {{155, 0, 100}, {182, 10, 216}},
    {{250, 0, 100}, {201, 12, 254}},    {{250, 0, 50}, {206, 10, 218}},    {{250, 0, 25}, {217, 10, 126}},
};

Rgb OwnColour(const LightEntry& entry) { return {entry.red, entry.green, entry.blue}; }

}  // namespace

Rgb DisplayColourOf(const LightEntry& entry) {
  return entry.paletteIndex < kPaletteColours ? kPalette[entry.paletteIndex].display : OwnColour(entry);
}

Rgb DeviceColourOf(const LightEntry& entry) {
  return entry.paletteIndex < kPaletteColours ? kPalette[entry.paletteIndex].device : OwnColour(entry);
}

Rgb PaletteDeviceColour(int index) { return kPalette[ClampPaletteIndex(index)].device; }

Rgb PaletteDisplayColour(int index) { return kPalette[ClampPaletteIndex(index)].display; }

Rgb SlotSwatchColour(const ProfileRecord& profile) {
  if (profile.LightEffectType == 0) return {};
  if (profile.LtChoseType != 0) return OwnColour(profile.CustomLightInfo[0]);
  return DisplayColourOf(profile.LightInfo[0]);
}

}  // namespace orvix
