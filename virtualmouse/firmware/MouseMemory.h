// What the mouse keeps in its own memory, in the form it stores it: the settings and
// button entries exactly as their reports carry them, one macro per device button.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ButtonAssignment.h"

namespace orvix::vmouse {

constexpr int kMouseProfiles = 5;
constexpr int kSensorSide = 30;
constexpr int kSensorPixels = kSensorSide * kSensorSide;
constexpr int kLightChunkBytes = 1024;
// The mouse's room for the light colour database; chunks beyond it are refused.
constexpr int kLightDatabaseChunks = 256;
constexpr std::uint8_t kVirtualFirmwareVersion = 112;

#pragma pack(push, 1)

// Bytes 3..28 of report 6. DPI levels are in wire units (DPI / 50).
struct DeviceSettings {
  std::uint8_t xySynchronous;
  std::uint8_t sensitivityX;  // the common sensitivity when not synchronous
  std::uint8_t sensitivityY;  // likewise
  std::uint8_t enabledLevels;  // bit i: level i is in the DPI cycle
  std::uint8_t levels[5];
  std::uint8_t currentLevel;
  std::uint8_t levelsAgain[5];
  std::uint8_t reserved;
  std::uint8_t pollingRate;
  std::uint8_t lightOn;
  std::uint8_t lightChoice;  // 0 palette colour, otherwise custom
  std::uint8_t colorFlow;
  std::uint8_t effectType;
  std::uint8_t effectSpeed;
  std::uint8_t paletteIndex;  // 255 for a custom colour
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// One entry of report 7.
struct ButtonEntry {
  std::uint8_t function;
  std::uint8_t modifiers;  // shortcut (function 5) only
  std::uint8_t key;        // shortcut only
};

// Bytes 5..2079 of report 8.
struct DeviceMacro {
  std::uint8_t repeat;
  char reservedText[24];
  char setName[24];
  char name[24];
  std::uint16_t eventCount;
  MacroEvent events[kMaxMacroEvents];
};

struct MouseProfile {
  DeviceSettings settings;
  ButtonEntry buttons[kDeviceButtons];
  DeviceMacro macros[kDeviceButtons];
};

struct TrackingState {
  std::uint8_t liftOn;
  std::uint8_t trackControl;
  std::uint8_t calibrationValue;
  std::uint8_t calibrationMode;
};

// Everything of fixed size. Plain bytes, so it is stored as it is.
struct MouseState {
  MouseProfile profiles[kMouseProfiles];
  std::uint8_t currentProfile;
  std::uint8_t firmwareVersion;
  std::uint8_t hostMode;
  TrackingState tracking;
  std::uint8_t lightControl[14];  // bytes 2..15 of the last report 16
  std::uint8_t sensorImage[kSensorPixels];
};

#pragma pack(pop)

static_assert(sizeof(DeviceSettings) == 26);
static_assert(sizeof(ButtonEntry) == 3);
static_assert(sizeof(DeviceMacro) == 2075);

struct MouseMemory {
  MouseState state;
  std::vector<std::uint8_t> lightDatabase;  // whole chunks as written
};

// The factory settings of profile p (0..4).
void FactoryProfile(MouseProfile& profile, int p);
// A mouse fresh from the factory: five default profiles, profile 0 current, host mode off.
void FactoryMemory(MouseMemory& memory);

}  // namespace orvix::vmouse
