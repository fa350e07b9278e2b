#include "ProfileRanges.h"

#include <algorithm>
#include <cstring>

#include "ButtonFunctionCodes.h"
#include "FixedText.h"

namespace orvix {
namespace {

struct Clamper {
  int changed = 0;
  template <typename Value>
  void operator()(Value& value, int low, int high) {
    const Value clamped = static_cast<Value>(std::clamp<int>(value, low, high));
    if (clamped != value) {
      value = clamped;
      ++changed;
    }
  }
  // A fixed text keeps at most capacity - 1 characters and its terminator.
  template <std::size_t N>
  void Text(char (&text)[N]) {
    if (std::memchr(text, '\0', N)) return;
    text[N - 1] = '\0';
    ++changed;
  }
};

}  // namespace

bool IsKnownButtonFunction(int code) {
  switch (code) {
    case kFunctionDisabled: case kFunctionClick: case kFunctionMenu: case kFunctionUniversalScrolling:
    case kFunctionDoubleClick: case kFunctionShortcut: case kFunctionDisabledToo: case kFunctionIeForward:
    case kFunctionIeBackward: case kFunctionTiltLeft: case kFunctionTiltRight: case kFunctionDpiChange:
    case kFunctionScrollUp: case kFunctionScrollDown: case kFunctionQuicklaunch: case kFunctionProfileCycle:
    case kFunctionProfileUp: case kFunctionProfileDown: case kFunctionAssignSensitivity: case kFunctionDpiCycle:
    case kFunctionDpiUp: case kFunctionDpiDown: case kFunctionSensitivityCycle: case kFunctionSensitivityUp:
    case kFunctionSensitivityDown: case kFunctionWindowsKey: case kFunctionOpenDriver: case kFunctionOpenPlayer:
    case kFunctionPreviousTrack: case kFunctionNextTrack: case kFunctionPlayPause: case kFunctionStop:
    case kFunctionWindowsMute: case kFunctionWindowsVolumeUp: case kFunctionWindowsVolumeDown:
    case kFunctionMacro: case kFunctionTimer: case kFunctionStopTimer: case kFunctionDisabledHidden:
    case kFunctionAltlayer: case kFunctionRollsetSensitivity: case kFunctionRollsetProfile:
    case kFunctionRollsetDpi: case kFunctionRollsetVolume: case kFunctionRollsetAltTab:
    case kFunctionRollsetAeroFlip: case kFunctionAltlayerDevice: case kFunctionAltlayerDeviceLock:
    case kFunctionAltlayerAllDevices: case kFunctionAltlayerAllLock:
      return true;
    default:
      return code >= kFunctionPinpoint1 && code <= kFunctionPinpoint5;
  }
}

int ClampProfileValues(ProfileRecord& r, const ProfileRecord& defaults) {
  Clamper c;
  c.Text(r.ProFileName);
  c.Text(r.GameFile0);
  c.Text(r.GameFile1);
  c.Text(r.GameFile2);
  c(r.DbleClickSpeed, 200, 900);
  c(r.ScrollWheelSpeed, 1, 10);
  c(r.ScrollWheelFlag, 0, 1);
  c(r.MouseSpeed, 1, 20);
  c(r.Acceleration, 0, 19);
  c(r.AccelerationFlag, 0, 1);
  c(r.MouseTrails, 0, 16);
  c(r.TiltSpeed, 1, 10);
  c(r.MediaOption, 0, 3);
  c(r.HDDKeyboard, 0, 1);
  c(r.Orientation, 0, 1);
  c(r.XYSynchronous, 0, 1);
  c(r.Sensitivity_X, 1, 11);
  c(r.Sensitivity_Y, 1, 11);
  c(r.Sensitivity, 1, 11);
  for (auto& flag : r.dpi) c(flag, 0, 1);
  c(r.Cpi_X, 0, kDpiLevels - 1);
  c(r.Cpi_Y, 0, kDpiLevels - 1);
  c(r.XYCpiFlag, 0, 1);
  for (auto& level : r.CpiLevel_X) c(level, 1, 41);
  for (auto& level : r.CpiLevel_Y) c(level, 1, 41);
  // The active level is always in the cycle.
  if (!r.dpi[r.Cpi_X]) c(r.dpi[r.Cpi_X], 1, 1);
  c(r.PollingRate, 0, 3);
  c(r.LightOnFlag, 0, 1);
  c(r.LightEffectMode, 0, 3);
  c(r.LightColorFlow, 0, 5);
  c(r.LightEffectType, 0, 4);
  c(r.SoundProfile, 0, 1);
  c(r.SoundDpi, 0, 1);
  c(r.SoundSens, 0, 1);
  c(r.VolumeUpDown, 0, 1);
  c(r.SoundTrophy, 0, 1);
  c(r.SoundVolume, 0, 4);
  c(r.UseColorForAll, 0, 1);
  c(r.LtChoseType, 0, 1);
  // A palette index outside the palette is legal: the entry's own colour shows.
  for (LightEntry* entries : {r.LightInfo, r.CustomLightInfo})
    for (int i = 0; i < 4; ++i) c(entries[i].on, 0, 1);
  for (int s = 0; s < kButtonSlots; ++s) {
    ButtonAssignment& b = r.MacroKeyInfo[s];
    c(b.slot, s, s);
    if (!IsKnownButtonFunction(b.function)) {
      b.function = defaults.MacroKeyInfo[s].function;
      ++c.changed;
    }
    c(b.eventCount, 0, kMaxMacroEvents);
    c.Text(b.reservedText);
    c.Text(b.macroSetName);
    c.Text(b.macroName);
    c.Text(b.timerName);
    c.Text(b.programPath);
  }
  return c.changed;
}

}  // namespace orvix
