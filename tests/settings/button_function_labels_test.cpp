#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ButtonFunctionCodes.h"
#include "ButtonFunctionLabels.h"

namespace orvix {
namespace {

std::string NameOfKey(std::uint8_t usage) { return usage == 4 ? "A" : "F5"; }

struct Labels : ::testing::Test {
  std::string Of(const ButtonAssignment& slot) { return ButtonFunctionLabel(slot, *profile, devices, &NameOfKey); }
  std::unique_ptr<ProfileRecord> profile = std::make_unique<ProfileRecord>();
  CompanionDeviceList devices{};
};

}  // namespace

TEST_F(Labels, ShortcutLabelsJoinTheModifiersInTheirOrder) {
  ButtonAssignment slot{};
  slot.function = kFunctionShortcut;
  EXPECT_EQ(Of(slot), "");  // no shortcut set
  slot.eventCount = 1;
  slot.events[0] = {4, static_cast<std::uint8_t>(kModifierWin | kModifierShift | kModifierCtrl), 0};
  EXPECT_EQ(Of(slot), "Ctrl+Shift+Win+A");
  slot.events[0].direction = kModifierNone | kModifierAlt;  // "none" wins
  EXPECT_EQ(Of(slot), "A");
}

TEST_F(Labels, ComputedLabelsComeFromTheSlotOrTheProfile) {
  ButtonAssignment slot{};
  slot.function = kFunctionQuicklaunch;
  std::strcpy(slot.programPath, "C:\\Games\\Quake\\quake.exe");
  EXPECT_EQ(Of(slot), "quake.exe");
  slot.function = kFunctionMacro;
  std::memset(slot.macroName, 'm', sizeof slot.macroName);  // no terminator: still bounded
  EXPECT_EQ(Of(slot).size(), sizeof slot.macroName);
  profile->CpiLevel_X[2] = 16;
  slot.function = 53;
  EXPECT_EQ(Of(slot), "Pinpoint 3200 DPI");
  slot.function = 0;
  EXPECT_EQ(Of(slot), "Disabled");
  slot.function = 6;
  EXPECT_EQ(Of(slot), "Disabled");
  slot.function = 12;
  EXPECT_EQ(Of(slot), "");
}

TEST_F(Labels, CompanionDeviceLabelsNeedAKnownDevice) {
  ButtonAssignment slot{};
  slot.function = kFunctionAltlayerDeviceLock;
  slot.companionDevice = 0x42;
  EXPECT_EQ(Of(slot), "");
  devices.count = 1;
  devices.devices[0].PID = 0x42;
  std::strcpy(devices.devices[0].Name, "Keyboard");
  EXPECT_EQ(Of(slot), "Altlayer[+] Keyboard Lock");
  devices.count = 1000;  // a damaged count never reads past the list
  slot.companionDevice = 0x43;
  EXPECT_EQ(Of(slot), "");
}

}  // namespace orvix
