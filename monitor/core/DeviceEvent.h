// The device event code: what the HID library reports, reduced to one 32-bit value with
// the event class in the high 16 bits and the event data in the low 16 bits.
#pragma once

#include <cstdint>

namespace orvix {

struct DeviceEventCode {
  std::uint32_t value = 0;

  std::uint16_t eventClass() const { return static_cast<std::uint16_t>(value >> 16); }
  std::uint16_t data() const { return static_cast<std::uint16_t>(value & 0xFFFF); }
  std::uint8_t a() const { return static_cast<std::uint8_t>(value & 0xFF); }         // low byte of the data
  std::uint8_t b() const { return static_cast<std::uint8_t>((value >> 8) & 0xFF); }  // high byte of the data
};

// WM_MON_DEVICE_EVENT: wParam carries the class, lParam the data (low 16 bits of each).
DeviceEventCode DeviceEventFromMessage(std::uintptr_t wParam, std::intptr_t lParam);
// WM_MON_DEVICE_ARRIVAL: wParam 1 arrived (data 1), 0 removed (data 2), anything else data 0.
DeviceEventCode DeviceEventFromArrival(std::uintptr_t wParam);

namespace event_class {
inline constexpr std::uint16_t kConnection = 0x7F00;
inline constexpr std::uint16_t kTiltScroll = 0x1000;
inline constexpr std::uint16_t kVolume = 0x1B00;
inline constexpr std::uint16_t kProfile = 0x2000;
inline constexpr std::uint16_t kCalibration = 0x3000;
inline constexpr std::uint16_t kProgramButton = 0x6000;
inline constexpr std::uint16_t kButton = 0x8000;
inline constexpr std::uint16_t kButtonAnyHigh = 0x9000;
inline constexpr std::uint16_t kOpenDriver = 0xA000;
inline constexpr std::uint16_t kDpiLevel = 0xB000;
inline constexpr std::uint16_t kSensitivity = 0xC000;
inline constexpr std::uint16_t kPollingRate = 0xD000;
inline constexpr std::uint16_t kFirstCounter = 0xE100;
inline constexpr std::uint16_t kLastCounter = 0xEF00;
inline constexpr std::uint16_t kMedia = 0xF000;
inline constexpr std::uint16_t kLightDatabase = 0xFD00;
inline constexpr std::uint16_t kMacroUpload = 0xFE00;
inline constexpr std::uint16_t kCompanionButton = 0xFF00;
}  // namespace event_class

// What the monitor does with an event; kIgnore for unknown classes and failed conditions.
enum class DeviceEventAction {
  kIgnore,
  kArrival,
  kRemoval,
  kHostButton,
  kVolumeFeedback,
  kProfileChange,
  kCalibrationStep,
  kDpiLevelChange,
  kSensitivityChange,
  kPollingRateChange,
  kUsageCounter,
  kUploadLightDatabase,
  kUploadMacro,
  kCompanionButton,
};

DeviceEventAction DecodeDeviceEvent(DeviceEventCode code);

}  // namespace orvix
