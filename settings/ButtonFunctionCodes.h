// What a button slot does: one byte in the slot, written into the mouse for the buttons
// it stores. Most functions run in the mouse; the host runs a few (see the dispatch).
#pragma once

#include <cstdint>

namespace orvix {

enum ButtonFunctionCode : std::uint8_t {
  kFunctionDisabled = 0,
  kFunctionClick = 1,
  kFunctionMenu = 2,
  kFunctionUniversalScrolling = 3,
  kFunctionDoubleClick = 4,
  kFunctionShortcut = 5,
  kFunctionDisabledToo = 6,
  kFunctionIeForward = 7,
  kFunctionIeBackward = 8,
  kFunctionTiltLeft = 9,
  kFunctionTiltRight = 10,
  kFunctionDpiChange = 11,
  kFunctionScrollUp = 13,
  kFunctionScrollDown = 14,
  kFunctionQuicklaunch = 15,
  kFunctionProfileCycle = 16,
  kFunctionProfileUp = 17,
  kFunctionProfileDown = 18,
  kFunctionAssignSensitivity = 19,
  kFunctionDpiCycle = 20,
  kFunctionDpiUp = 21,
  kFunctionDpiDown = 22,
  kFunctionSensitivityCycle = 23,
  kFunctionSensitivityUp = 24,
  kFunctionSensitivityDown = 25,
  kFunctionWindowsKey = 26,
  kFunctionOpenDriver = 27,
  kFunctionOpenPlayer = 32,
  kFunctionPreviousTrack = 33,
  kFunctionNextTrack = 34,
  kFunctionPlayPause = 35,
  kFunctionStop = 36,
  kFunctionWindowsMute = 37,
  kFunctionWindowsVolumeUp = 38,
  kFunctionWindowsVolumeDown = 39,
  kFunctionMacro = 48,
  kFunctionTimer = 49,
  kFunctionStopTimer = 50,
  kFunctionPinpoint1 = 51,  // 51..55: "Pinpoint" DPI level 0..4
  kFunctionPinpoint5 = 55,
  kFunctionDisabledHidden = 64,
  kFunctionAltlayer = 65,
  kFunctionRollsetSensitivity = 66,
  kFunctionRollsetProfile = 67,
  kFunctionRollsetDpi = 68,
  kFunctionRollsetVolume = 69,
  kFunctionRollsetAltTab = 70,
  kFunctionRollsetAeroFlip = 71,
  kFunctionAltlayerDevice = 81,
  kFunctionAltlayerDeviceLock = 82,
  kFunctionAltlayerAllDevices = 83,
  kFunctionAltlayerAllLock = 84,
};

}  // namespace orvix
