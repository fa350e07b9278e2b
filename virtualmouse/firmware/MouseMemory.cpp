#include "MouseMemory.h"

#include <cmath>
#include <cstring>

#include "ButtonFunctionCodes.h"

namespace orvix::vmouse {
namespace {

// Default function of each device button (the slots 0..4, 7..10, 12..16, 19..22).
constexpr std::uint8_t kFactoryFunctions[kDeviceButtons] = {
    kFunctionClick,          kFunctionMenu,          kFunctionUniversalScrolling, kFunctionIeForward,
    kFunctionAltlayer,       kFunctionScrollUp,      kFunctionScrollDown,         kFunctionDpiUp,
    kFunctionDpiDown,        kFunctionIeBackward,    kFunctionIeForward,          kFunctionWindowsMute,
    kFunctionDisabledToo,    kFunctionDisabled,      kFunctionWindowsVolumeUp,    kFunctionWindowsVolumeDown,
    kFunctionProfileUp,      kFunctionProfileDown,
};

struct FactoryColour {
  std::uint8_t paletteIndex, red, green, blue;
};
constexpr FactoryColour kFactoryColours[kMouseProfiles] = {
    {0, 0, 100, 250}, {0, 0, 100, 250}, {7, 250, 0, 0}, {11, 0, 250, 0}, {15, 0, 0, 250}};

// 800, 1600, 3200, 6400 and 8200 DPI in steps of 50.
constexpr std::uint8_t kFactoryLevels[5] = {16, 32, 64, 128, 164};

// A surface as the sensor sees it: a soft, uneven grey around the middle of the range.
void FactorySensorImage(std::uint8_t (&image)[kSensorPixels]) {
  for (int r = 0; r < kSensorSide; ++r)
    for (int c = 0; c < kSensorSide; ++c)
      image[r * kSensorSide + c] =
          static_cast<std::uint8_t>(128 + 40 * std::sin(r * 0.7) * std::cos(c * 0.45) + ((r * 7 + c * 13) % 11) - 5);
}

}  // namespace

void FactoryProfile(MouseProfile& profile, int p) {
  std::memset(&profile, 0, sizeof profile);
  DeviceSettings& s = profile.settings;
  s.xySynchronous = 0;
  s.sensitivityX = 6;
  s.sensitivityY = 6;
  s.enabledLevels = 0x1F;
  std::memcpy(s.levels, kFactoryLevels, sizeof s.levels);
  std::memcpy(s.levelsAgain, kFactoryLevels, sizeof s.levelsAgain);
  s.currentLevel = 0;
  s.pollingRate = 3;
  s.lightOn = 1;
  s.lightChoice = 0;
  s.colorFlow = p == 0 ? 1 : 0;
  s.effectType = p == 0 ? 2 : 1;
  s.effectSpeed = 2;
  const FactoryColour& colour = kFactoryColours[p >= 0 && p < kMouseProfiles ? p : 0];
  s.paletteIndex = colour.paletteIndex;
  s.red = colour.red;
  s.green = colour.green;
  s.blue = colour.blue;
  for (int d = 0; d < kDeviceButtons; ++d) profile.buttons[d].function = kFactoryFunctions[d];
}

void FactoryMemory(MouseMemory& memory) {
  MouseState& state = memory.state;
  std::memset(&state, 0, sizeof state);
  for (int p = 0; p < kMouseProfiles; ++p) FactoryProfile(state.profiles[p], p);
  state.currentProfile = 0;
  state.firmwareVersion = kVirtualFirmwareVersion;
  state.hostMode = 0;
  FactorySensorImage(state.sensorImage);
  memory.lightDatabase.clear();
}

}  // namespace orvix::vmouse
