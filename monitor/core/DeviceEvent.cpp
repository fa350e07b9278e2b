#include "core/DeviceEvent.h"

namespace orvix {

DeviceEventCode DeviceEventFromMessage(std::uintptr_t wParam, std::intptr_t lParam) {
  const auto eventClass = static_cast<std::uint32_t>(wParam & 0xFFFF);
  const auto data = static_cast<std::uint32_t>(static_cast<std::uintptr_t>(lParam) & 0xFFFF);
  return {eventClass << 16 | data};
}

DeviceEventCode DeviceEventFromArrival(std::uintptr_t wParam) {
  const std::uint32_t data = wParam == 1 ? 1 : wParam == 0 ? 2 : 0;
  return {std::uint32_t{event_class::kConnection} << 16 | data};
}

DeviceEventAction DecodeDeviceEvent(DeviceEventCode code) {
  namespace ec = event_class;
  using Action = DeviceEventAction;
  const std::uint16_t data = code.data();
  const std::uint8_t a = code.a();
  const std::uint8_t b = code.b();
  const bool deviceButton = a >= 1 && a <= 24;

  switch (const std::uint16_t eventClass = code.eventClass()) {
    case ec::kConnection:
      return data == 1 ? Action::kArrival : data == 2 ? Action::kRemoval : Action::kIgnore;
    case ec::kTiltScroll:
      return data == 1 || data == 255 ? Action::kHostButton : Action::kIgnore;
    case ec::kVolume:
      return (a == 1 || a == 255) && b == 0 ? Action::kVolumeFeedback : Action::kIgnore;
    case ec::kProfile:
      return data >= 1 && data <= 5 ? Action::kProfileChange : Action::kIgnore;
    case ec::kCalibration:
      return Action::kCalibrationStep;
    case ec::kProgramButton:
    case ec::kButton:
      return deviceButton && b == 0 ? Action::kHostButton : Action::kIgnore;
    case ec::kButtonAnyHigh:
      return deviceButton ? Action::kHostButton : Action::kIgnore;
    case ec::kOpenDriver:
      return data == 1 ? Action::kHostButton : Action::kIgnore;
    case ec::kDpiLevel:
      return data >= 1 && data <= 5 ? Action::kDpiLevelChange : Action::kIgnore;
    case ec::kSensitivity:
      return Action::kSensitivityChange;
    case ec::kPollingRate:
      return data >= 1 && data <= 4 ? Action::kPollingRateChange : Action::kIgnore;
    case ec::kMedia:
      return a >= 32 && a <= 39 ? Action::kHostButton : Action::kIgnore;
    case ec::kLightDatabase:
      return a == 1 ? Action::kUploadLightDatabase : Action::kIgnore;
    case ec::kMacroUpload:
      return a >= 1 && a <= 110 ? Action::kUploadMacro : Action::kIgnore;
    case ec::kCompanionButton:
      return deviceButton ? Action::kCompanionButton : Action::kIgnore;
    default:
      return eventClass >= ec::kFirstCounter && eventClass <= ec::kLastCounter ? Action::kUsageCounter
                                                                               : Action::kIgnore;
  }
}

}  // namespace orvix
