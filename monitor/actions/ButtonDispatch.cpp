#include "ButtonDispatch.h"

#include <cstring>

#include "ButtonFunctionCodes.h"
#include "FixedText.h"
#include "ButtonSlots.h"

namespace orvix {
namespace {

constexpr std::uint16_t kClassTilt = 0x1000;
constexpr std::uint16_t kClassQuicklaunch = 0x6000;
constexpr std::uint16_t kClassButton = 0x8000;
constexpr std::uint16_t kClassButtonAnyHigh = 0x9000;
constexpr std::uint16_t kClassOpenDriver = 0xA000;
constexpr std::uint16_t kClassMultimedia = 0xF000;

const ButtonAssignment* SlotOfDeviceButton(const ConfigRecord& config, int a) {
  const ProfileRecord* profile = CurrentProfileRecord(config);
  if (!profile || a < 1 || a > kButtonSlots) return nullptr;
  return &profile->MacroKeyInfo[SlotFromDeviceIndex(a - 1)];
}

}  // namespace

void DispatchHostButtonEvent(std::uint32_t eventCode, const ConfigRecord& config, HostActions& actions) {
  const auto eventClass = static_cast<std::uint16_t>(eventCode >> 16);
  const auto data = static_cast<std::uint16_t>(eventCode);
  const int a = data & 0xFF;
  const int b = data >> 8;
  switch (eventClass) {
    case kClassTilt:
      if (data == 1) actions.ScrollHorizontally(-1);
      if (data == 255) actions.ScrollHorizontally(+1);
      return;
    case kClassQuicklaunch:
      if (b != 0) return;
      if (const ButtonAssignment* slot = SlotOfDeviceButton(config, a); slot && slot->function == kFunctionQuicklaunch)
        actions.OpenProgram(std::string(FixedTextView(slot->programPath)));
      return;
    case kClassButton:
      if (b != 0) return;
      if (const ButtonAssignment* slot = SlotOfDeviceButton(config, a)) RunButtonFunction(*slot, true, actions);
      return;
    case kClassButtonAnyHigh:
      if (const ButtonAssignment* slot = SlotOfDeviceButton(config, a)) {
        const bool release = b != 0 && slot->function == kFunctionShortcut;
        RunButtonFunction(*slot, !release, actions);
      }
      return;
    case kClassOpenDriver:
      if (data == 1) actions.OpenConfigurationProgram();
      return;
    case kClassMultimedia:
      if (a >= 32 && a <= 39) actions.Multimedia(a, b);
      return;
    default:
      return;
  }
}

void RunButtonFunction(const ButtonAssignment& slot, bool pressed, HostActions& actions) {
  switch (slot.function) {
    case kFunctionShortcut: {
      const ShortcutWord word{ShortcutKey(slot), ShortcutModifiers(slot)};
      if (pressed)
        actions.ShortcutDown(word);
      else
        actions.ShortcutUp(word);
      return;
    }
    case kFunctionMacro:
      if (pressed) actions.Macro(slot);
      return;
    case kFunctionTimer:
      if (pressed) actions.CountdownStart(slot.timerSeconds);
      return;
    case kFunctionStopTimer:
      if (pressed) actions.CountdownStop();
      return;
    default:
      return;
  }
}

}  // namespace orvix
