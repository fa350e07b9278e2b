#include "ButtonBehaviour.h"

#include <algorithm>

#include "ButtonFunctionCodes.h"

namespace orvix::vmouse {
namespace {

constexpr int kLevels = 5;
constexpr int kMinSensitivity = 1;
constexpr int kMaxSensitivity = 11;

enum class Step { kUp, kDown, kCycle };

// The next enabled DPI level in the given direction; the current one when there is none.
int NextLevel(const DeviceSettings& s, Step step) {
  const int current = std::min<int>(s.currentLevel, kLevels - 1);
  auto enabled = [&](int level) { return (s.enabledLevels >> level) & 1; };
  switch (step) {
    case Step::kUp:
      for (int l = current + 1; l < kLevels; ++l)
        if (enabled(l)) return l;
      return current;
    case Step::kDown:
      for (int l = current - 1; l >= 0; --l)
        if (enabled(l)) return l;
      return current;
    case Step::kCycle:
      for (int i = 1; i <= kLevels; ++i)
        if (enabled((current + i) % kLevels)) return (current + i) % kLevels;
      return current;
  }
  return current;
}

std::uint8_t StepSensitivity(std::uint8_t value, Step step) {
  const int v = std::clamp<int>(value, kMinSensitivity, kMaxSensitivity);
  switch (step) {
    case Step::kUp: return static_cast<std::uint8_t>(std::min(v + 1, kMaxSensitivity));
    case Step::kDown: return static_cast<std::uint8_t>(std::max(v - 1, kMinSensitivity));
    case Step::kCycle: return static_cast<std::uint8_t>(v == kMaxSensitivity ? kMinSensitivity : v + 1);
  }
  return static_cast<std::uint8_t>(v);
}

void ChangeProfile(MouseState& state, Step step, ButtonOutcome& out) {
  const int current = state.currentProfile;
  int next = current;
  if (step == Step::kUp) next = std::min(current + 1, kMouseProfiles - 1);
  if (step == Step::kDown) next = std::max(current - 1, 0);
  if (step == Step::kCycle) next = (current + 1) % kMouseProfiles;
  if (next == current) return;
  state.currentProfile = static_cast<std::uint8_t>(next);
  out.memoryChanged = true;
  out.events.push_back({kClassProfile, static_cast<std::uint16_t>(next + 1)});
}

void ChangeDpiLevel(DeviceSettings& s, Step step, ButtonOutcome& out) {
  const int next = NextLevel(s, step);
  if (next == s.currentLevel) return;
  s.currentLevel = static_cast<std::uint8_t>(next);
  out.memoryChanged = true;
  out.events.push_back({kClassDpiLevel, static_cast<std::uint16_t>(next + 1)});
}

// Synchronous settings move both axes; otherwise both bytes carry the common value.
void ChangeSensitivity(DeviceSettings& s, Step step, ButtonOutcome& out) {
  if (s.xySynchronous == 1) {
    s.sensitivityX = StepSensitivity(s.sensitivityX, step);
    s.sensitivityY = StepSensitivity(s.sensitivityY, step);
    out.events.push_back({kClassSensitivity, static_cast<std::uint16_t>((s.sensitivityY << 8) | s.sensitivityX)});
  } else {
    s.sensitivityY = StepSensitivity(s.sensitivityY, step);
    s.sensitivityX = s.sensitivityY;
    out.events.push_back({kClassSensitivity, s.sensitivityY});
  }
  out.memoryChanged = true;
}

void Count(std::uint16_t eventClass, std::uint16_t increment, ButtonOutcome& out) {
  out.events.push_back({eventClass, increment});
}

}  // namespace

ButtonOutcome PressButton(MouseState& state, int d) {
  ButtonOutcome out;
  if (d < 0 || d >= kDeviceButtons) return out;
  MouseProfile& profile = state.profiles[std::min<int>(state.currentProfile, kMouseProfiles - 1)];
  const std::uint8_t function = profile.buttons[d].function;
  switch (function) {
    case kFunctionClick: Count(kClassClickCounter, 1, out); break;
    case kFunctionDoubleClick: Count(kClassClickCounter, 2, out); break;
    case kFunctionMenu: Count(kClassClickCounter + 0x100, 1, out); break;
    case kFunctionUniversalScrolling: Count(kClassClickCounter + 0x200, 1, out); break;
    case kFunctionIeBackward: Count(kClassClickCounter + 0x300, 1, out); break;
    case kFunctionIeForward: Count(kClassClickCounter + 0x400, 1, out); break;
    case kFunctionScrollUp: Count(kClassWheelUp, 1, out); break;
    case kFunctionScrollDown: Count(kClassWheelDown, 1, out); break;
    case kFunctionShortcut: out.events.push_back(ShortcutPressEvent(d)); break;
    case kFunctionTiltLeft: out.events.push_back({kClassTilt, 1}); break;
    case kFunctionTiltRight: out.events.push_back({kClassTilt, 255}); break;
    case kFunctionQuicklaunch: out.events.push_back({kClassQuicklaunch, ButtonData(d)}); break;
    case kFunctionProfileCycle: ChangeProfile(state, Step::kCycle, out); break;
    case kFunctionProfileUp: ChangeProfile(state, Step::kUp, out); break;
    case kFunctionProfileDown: ChangeProfile(state, Step::kDown, out); break;
    case kFunctionDpiCycle: ChangeDpiLevel(profile.settings, Step::kCycle, out); break;
    case kFunctionDpiUp: ChangeDpiLevel(profile.settings, Step::kUp, out); break;
    case kFunctionDpiDown: ChangeDpiLevel(profile.settings, Step::kDown, out); break;
    case kFunctionSensitivityCycle: ChangeSensitivity(profile.settings, Step::kCycle, out); break;
    case kFunctionSensitivityUp: ChangeSensitivity(profile.settings, Step::kUp, out); break;
    case kFunctionSensitivityDown: ChangeSensitivity(profile.settings, Step::kDown, out); break;
    case kFunctionOpenDriver: out.events.push_back({kClassOpenDriver, 1}); break;
    case kFunctionWindowsVolumeUp: out.events.push_back({kClassVolume, 1}); break;
    case kFunctionWindowsVolumeDown: out.events.push_back({kClassVolume, 255}); break;
    case kFunctionMacro:
    case kFunctionTimer:
    case kFunctionStopTimer: out.events.push_back({kClassHostButton, ButtonData(d)}); break;
    case kFunctionAltlayerDevice:
    case kFunctionAltlayerDeviceLock:
    case kFunctionAltlayerAllDevices:
    case kFunctionAltlayerAllLock: out.events.push_back({kClassCompanion, ButtonData(d)}); break;
    default:
      if (function >= kFunctionOpenPlayer && function <= kFunctionStop) out.events.push_back({kClassMedia, function});
      break;  // everything else the mouse does without the host
  }
  return out;
}

ButtonOutcome ReleaseButton(const MouseState& state, int d) {
  ButtonOutcome out;
  if (d < 0 || d >= kDeviceButtons) return out;
  const MouseProfile& profile = state.profiles[std::min<int>(state.currentProfile, kMouseProfiles - 1)];
  if (profile.buttons[d].function == kFunctionShortcut) out.events.push_back(ShortcutReleaseEvent(d));
  return out;
}

}  // namespace orvix::vmouse
