#include "ButtonFunctionLabels.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ButtonFunctionCodes.h"
#include "FixedText.h"

namespace orvix {
namespace {

// File name and extension of a path.
std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ShortcutLabel(const ButtonAssignment& slot, const KeyNamer& keyName) {
  if (slot.eventCount == 0) return {};
  const std::uint8_t modifiers = ShortcutModifiers(slot);
  std::string label;
  if (!(modifiers & kModifierNone)) {
    if (modifiers & kModifierCtrl) label += "Ctrl+";
    if (modifiers & kModifierShift) label += "Shift+";
    if (modifiers & kModifierAlt) label += "Alt+";
    if (modifiers & kModifierWin) label += "Win+";
  }
  return label + keyName(ShortcutKey(slot));
}

std::string CompanionLabel(const ButtonAssignment& slot, const CompanionDeviceList& devices, bool lock) {
  const int count = std::clamp(devices.count, 0, kMaxCompanionDevices);
  for (int i = 0; i < count; ++i) {
    if (devices.devices[i].PID != static_cast<std::uint16_t>(slot.companionDevice)) continue;
    return "Altlayer[+] " + std::string(FixedTextView(devices.devices[i].Name)) + (lock ? " Lock" : "");
  }
  return {};
}

}  // namespace

const char* FixedButtonLabel(std::uint8_t code) {
  switch (code) {
    case 0: case 6: case 64: return "Disabled";
    case 1: return "Click";
    case 2: return "Menu";
    case 3: return "Universal scrolling";
    case 4: return "Double-click";
    case 7: return "IE Forward";
    case 8: return "IE Backward";
    case 9: return "Tilt Left";
    case 10: return "Tilt Right";
    case 11: return "DPI Change";
    case 13: return "Scroll Up";
    case 14: return "Scroll Down";
    case 16: return "Profile Cycle";
    case 17: return "Profile Up";
    case 18: return "Profile Down";
    case 19: return "Assign a sensitivity";
    case 20: return "DPI Cycle";
    case 21: return "DPI Up";
    case 22: return "DPI Down";
    case 23: return "Sensitivity Cycle";
    case 24: return "Sensitivity Up";
    case 25: return "Sensitivity Down";
    case 26: return "Windows key";
    case 27: return "Open Driver";
    case 32: return "Open Player";
    case 33: return "Previous Track";
    case 34: return "Next Track";
    case 35: return "Play/Pause";
    case 36: return "Stop";
    case 37: return "Windows Mute";
    case 38: return "Windows Volume Up";
    case 39: return "Windows Volume Down";
    case 50: return "Stop Timer";
    case 65: return "Altlayer[+] Orvix One";
    case 66: return "Rollset Sensitivity";
    case 67: return "Rollset Profile";
    case 68: return "Rollset DPI";
    case 69: return "Rollset Volume";
    case 70: return "Rollset Alt-Tab";
    case 71: return "Rollset Aero Flip 3D";
    case 83: return "Altlayer[+] all devices";
    case 84: return "Altlayer[+] all Lock";
    default: return "";
  }
}

std::string ButtonFunctionLabel(const ButtonAssignment& slot, const ProfileRecord& profile,
                                const CompanionDeviceList& devices, const KeyNamer& keyName) {
  switch (slot.function) {
    case kFunctionShortcut:
      return ShortcutLabel(slot, keyName);
    case kFunctionQuicklaunch:
      return FileNameOf(std::string(FixedTextView(slot.programPath)));
    case kFunctionMacro:
      return std::string(FixedTextView(slot.macroName));
    case kFunctionTimer:
      return std::string(FixedTextView(slot.timerName));
    case kFunctionAltlayerDevice:
      return CompanionLabel(slot, devices, false);
    case kFunctionAltlayerDeviceLock:
      return CompanionLabel(slot, devices, true);
    default:
      break;
  }
  if (slot.function >= kFunctionPinpoint1 && slot.function <= kFunctionPinpoint5) {
    char text[32];
    // 64 bits: the level comes from a file and may be any value.
    std::snprintf(text, sizeof text, "Pinpoint %lld DPI",
                  static_cast<long long>(profile.CpiLevel_X[slot.function - kFunctionPinpoint1]) * 200);
    return text;
  }
  return FixedButtonLabel(slot.function);
}

}  // namespace orvix
