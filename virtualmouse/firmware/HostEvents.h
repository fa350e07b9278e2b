// The event classes the mouse reports to the host (the high 16 bits of a device event;
// the library passes the class word in wParam and the data in lParam).
#pragma once

#include <cstdint>

namespace orvix::vmouse {

struct MouseEvent {
  std::uint16_t eventClass;
  std::uint16_t data;
  bool operator==(const MouseEvent&) const = default;
};

enum EventClass : std::uint16_t {
  kClassTilt = 0x1000,         // data 1 left, 255 right
  kClassVolume = 0x1B00,       // a = 1 up, 255 down
  kClassProfile = 0x2000,      // data = new profile + 1
  kClassCalibration = 0x3000,  // data 1 success, otherwise failure
  kClassQuicklaunch = 0x6000,  // a = device button + 1
  kClassHostButton = 0x8000,   // a = device button + 1: macro, timer, stop timer
  kClassShortcut = 0x9000,     // a = device button + 1, b = 0 press, 1 release
  kClassOpenDriver = 0xA000,   // data 1
  kClassDpiLevel = 0xB000,     // data = new level + 1
  kClassSensitivity = 0xC000,  // a = X (or common) sensitivity, b = Y sensitivity
  kClassPollingRate = 0xD000,  // data = rate + 1
  kClassClickCounter = 0xE100, // 0xE100..0xE500: clicks of counters 0..4, data = increment
  kClassWheelUp = 0xE600,
  kClassWheelDown = 0xE700,
  kClassDistance = 0xEA00,
  kClassMedia = 0xF000,        // a = function code 32..39, b = 0 press
  kClassCompanion = 0xFF00,    // a = device button + 1
};

inline std::uint16_t ButtonData(int deviceIndex, std::uint8_t highByte = 0) {
  return static_cast<std::uint16_t>((highByte << 8) | (deviceIndex + 1));
}

// The host must know when a shortcut button is let go, or the keys it pressed for the
// shortcut would stay down. Both edges travel in the shortcut class; the high data byte
// tells them apart. Change it here and only here.
inline MouseEvent ShortcutPressEvent(int deviceIndex) { return {kClassShortcut, ButtonData(deviceIndex, 0)}; }
inline MouseEvent ShortcutReleaseEvent(int deviceIndex) { return {kClassShortcut, ButtonData(deviceIndex, 1)}; }

}  // namespace orvix::vmouse
