#include <gtest/gtest.h>

#include "core/DeviceEvent.h"

namespace orvix {
namespace {

using Action = DeviceEventAction;

TEST(DeviceEventCode, BuiltFromTheLow16BitsOfBothMessageParameters) {
  const DeviceEventCode code = DeviceEventFromMessage(0x1234B000, static_cast<std::intptr_t>(-0x10000 + 0x0203));
  EXPECT_EQ(code.value, 0xB0000203u);
  EXPECT_EQ(code.eventClass(), 0xB000);
  EXPECT_EQ(code.data(), 0x0203);
  EXPECT_EQ(code.a(), 0x03);
  EXPECT_EQ(code.b(), 0x02);
}

TEST(DeviceEventCode, ArrivalMessageBecomesConnectionEvent) {
  EXPECT_EQ(DecodeDeviceEvent(DeviceEventFromArrival(1)), Action::kArrival);
  EXPECT_EQ(DecodeDeviceEvent(DeviceEventFromArrival(0)), Action::kRemoval);
  EXPECT_EQ(DeviceEventFromArrival(7).value, 0x7F000000u);
  EXPECT_EQ(DecodeDeviceEvent(DeviceEventFromArrival(7)), Action::kIgnore);
  EXPECT_EQ(DecodeDeviceEvent(DeviceEventFromArrival(static_cast<std::uintptr_t>(-1))), Action::kIgnore);
}

struct Case {
  std::uint16_t eventClass;
  std::uint16_t data;
  Action expected;
};

// Both sides of every condition of the table.
TEST(DecodeDeviceEvent, ConditionsOfEveryClass) {
  const Case cases[] = {
      {0x7F00, 1, Action::kArrival},
      {0x7F00, 2, Action::kRemoval},
      {0x7F00, 3, Action::kIgnore},
      {0x1000, 1, Action::kHostButton},
      {0x1000, 255, Action::kHostButton},
      {0x1000, 2, Action::kIgnore},
      {0x1000, 0x01FF, Action::kIgnore},
      {0x1A00, 1, Action::kIgnore},
      {0x1B00, 1, Action::kVolumeFeedback},
      {0x1B00, 255, Action::kVolumeFeedback},
      {0x1B00, 0x0101, Action::kIgnore},
      {0x1B00, 2, Action::kIgnore},
      {0x2000, 0, Action::kIgnore},
      {0x2000, 1, Action::kProfileChange},
      {0x2000, 5, Action::kProfileChange},
      {0x2000, 6, Action::kIgnore},
      {0x3000, 0xABCD, Action::kCalibrationStep},
      {0x6000, 1, Action::kHostButton},
      {0x6000, 24, Action::kHostButton},
      {0x6000, 25, Action::kIgnore},
      {0x6000, 0x0101, Action::kIgnore},
      {0x8000, 0, Action::kIgnore},
      {0x8000, 24, Action::kHostButton},
      {0x8000, 0x0105, Action::kIgnore},
      {0x9000, 0x0105, Action::kHostButton},
      {0x9000, 0xFF18, Action::kHostButton},
      {0x9000, 0x0100, Action::kIgnore},
      {0xA000, 1, Action::kHostButton},
      {0xA000, 2, Action::kIgnore},
      {0xB000, 0, Action::kIgnore},
      {0xB000, 5, Action::kDpiLevelChange},
      {0xB000, 6, Action::kIgnore},
      {0xC000, 0x0506, Action::kSensitivityChange},
      {0xC000, 0, Action::kSensitivityChange},
      {0xD000, 0, Action::kIgnore},
      {0xD000, 4, Action::kPollingRateChange},
      {0xD000, 5, Action::kIgnore},
      {0xE000, 1, Action::kIgnore},
      {0xE100, 7, Action::kUsageCounter},
      {0xE800, 7, Action::kUsageCounter},
      {0xEF00, 7, Action::kUsageCounter},
      {0xF000, 31, Action::kIgnore},
      {0xF000, 32, Action::kHostButton},
      {0xF000, 0x0127, Action::kHostButton},
      {0xF000, 40, Action::kIgnore},
      {0xFD00, 1, Action::kUploadLightDatabase},
      {0xFD00, 2, Action::kIgnore},
      {0xFE00, 0, Action::kIgnore},
      {0xFE00, 110, Action::kUploadMacro},
      {0xFE00, 111, Action::kIgnore},
      {0xFF00, 0, Action::kIgnore},
      {0xFF00, 0x0118, Action::kCompanionButton},
      {0xFF00, 25, Action::kIgnore},
      {0x4000, 1, Action::kIgnore},
      {0xFFFF, 1, Action::kIgnore},
  };
  for (const Case& c : cases) {
    const DeviceEventCode code{std::uint32_t{c.eventClass} << 16 | c.data};
    EXPECT_EQ(DecodeDeviceEvent(code), c.expected) << std::hex << "class 0x" << c.eventClass << " data 0x" << c.data;
  }
}

}  // namespace
}  // namespace orvix
