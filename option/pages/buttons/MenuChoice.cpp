#include "pages/buttons/MenuChoice.h"

#include <algorithm>

#include "ButtonFunctionCodes.h"
#include "pages/buttons/ButtonMenuIds.h"

namespace orvix::button_page {
namespace {

MenuChoice Action(MenuAction action, std::uint8_t code = 0) { return {action, code}; }

bool Within(int value, int first, int count) { return value >= first && value < first + count; }

// Items that only some menus have.
bool Offered(const ButtonMenuSource& source, std::uint8_t code) {
  if (code >= kFunctionAltlayer && code <= kFunctionRollsetAeroFlip) {
    if (!OffersLayerKeys(source.slot)) return false;
    return code != kFunctionRollsetAeroFlip || OffersAeroFlip(source.windowsVersion);
  }
  if (code == kFunctionAltlayerAllDevices) return OffersLayerKeys(source.slot);
  if (code >= kFunctionPinpoint1 && code <= kFunctionPinpoint5) return OffersPinpoint(source.slot);
  return true;
}

MenuChoice DeviceChoice(const ButtonMenuSource& source, int id) {
  const int k = (id - kMenuFirstDevice) / kMenuDeviceStride;
  if (!OffersLayerKeys(source.slot) || k >= OfferedDevices(source)) return {};
  MenuChoice choice = Action(MenuAction::kSetDevice, *CodeOfMenuId(id));
  choice.companionDevice = source.devices->devices[k].PID;
  return choice;
}

MenuChoice MacroChoice(const ButtonMenuSource& source, int id) {
  const int set = (id - kMenuFirstMacro) / kMenuMacroStride;
  const int macro = (id - kMenuFirstMacro) % kMenuMacroStride;
  if (macro >= OfferedMacros(source, set)) return {};
  MenuChoice choice = Action(MenuAction::kSetMacro, kFunctionMacro);
  choice.macroSet = set;
  choice.macro = macro;
  return choice;
}

}  // namespace

bool TimerListFull(int timerCount) { return timerCount >= kMenuTimers; }

MenuChoice ChoiceOfMenuId(const ButtonMenuSource& source, int id) {
  if (source.slot < 0 || source.slot >= kButtonSlots) return {};
  switch (id) {
    case kMenuCreateTimer:
      if (TimerListFull(static_cast<int>(std::min<std::size_t>(source.timerNames.size(), kMenuTimers)))) return {};
      return Action(MenuAction::kCreateTimer);
    case kMenuEditTimers:
      return source.timerNames.empty() ? MenuChoice{} : Action(MenuAction::kEditTimers);
    case kMenuSelectPlayer:
      return Action(MenuAction::kSelectPlayer);
    case kMenuAssignShortcut:
      return Action(MenuAction::kAssignShortcut, kFunctionShortcut);
    case kMenuQuicklaunch:
      return Action(MenuAction::kChooseProgram, kFunctionQuicklaunch);
    case kMenuCreateMacro:
      return Action(MenuAction::kCreateMacro);
    case kMenuAllDevices: {
      if (!OffersLayerKeys(source.slot)) return {};
      MenuChoice choice = Action(MenuAction::kSetDevice, kFunctionAltlayerAllDevices);
      choice.companionDevice = kAllCompanionDevices;
      return choice;
    }
    default:
      break;
  }
  if (Within(id, kMenuFirstEditMacroSet, kMenuMacroStride)) {
    if (id - kMenuFirstEditMacroSet >= OfferedSets(source)) return {};
    MenuChoice choice = Action(MenuAction::kEditMacroSet);
    choice.macroSet = id - kMenuFirstEditMacroSet;
    return choice;
  }
  const std::optional<std::uint8_t> code = CodeOfMenuId(id);
  if (!code) return {};
  switch (*code) {
    case kFunctionTimer: {
      if (id - kMenuFirstTimer >= OfferedTimers(source)) return {};
      MenuChoice choice = Action(MenuAction::kSetTimer, kFunctionTimer);
      choice.timer = id - kMenuFirstTimer;
      return choice;
    }
    case kFunctionMacro:
      return MacroChoice(source, id);
    case kFunctionAltlayerDevice:
    case kFunctionAltlayerDeviceLock:
      return DeviceChoice(source, id);
    default:
      return Offered(source, *code) ? Action(MenuAction::kSetCode, *code) : MenuChoice{};
  }
}

}  // namespace orvix::button_page
