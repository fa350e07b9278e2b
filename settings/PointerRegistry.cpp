#include "PointerRegistry.h"

#include <string>

#include "DecimalText.h"

namespace orvix {
namespace {

constexpr char kMouseKey[] = "Control Panel\\Mouse";
constexpr char kDesktopKey[] = "Control Panel\\Desktop";

std::optional<int> ReadNumber(const RegKey& key, const char* name) {
  const std::optional<std::string> text = ReadRegString(key, name);
  if (!text) return std::nullopt;
  return ParseDecimal(*text);
}

void WriteNumber(const RegKey& key, const char* name, int value) { WriteRegString(key, name, std::to_string(value)); }

}  // namespace

int AccelerationIndexToWrite(const ProfileRecord& profile) {
  if (profile.AccelerationFlag == 0 || profile.Acceleration < 0) return 0;
  if (profile.Acceleration >= kAccelerationSteps) return kAccelerationSteps - 1;
  return profile.Acceleration;
}

std::optional<int> AccelerationIndexFromRegistry(const AccelerationTriple& registry) {
  std::optional<int> match;
  for (int i = 0; i < kAccelerationSteps; ++i) {
    const AccelerationTriple& entry = kAccelerationTable[i];
    if (entry.speed == registry.speed && registry.threshold1 <= entry.threshold1 &&
        registry.threshold2 <= entry.threshold2)
      match = i;
  }
  return match;
}

int WritePointerRegistry(const ProfileRecord& profile, Registry& registry) {
  {
    const RegKey mouse = OpenOrCreateKey(registry, RegistryRoot::kCurrentUser, kMouseKey);
    if (!mouse) return -1;
    WriteNumber(mouse, "DoubleClickSpeed", profile.DbleClickSpeed);
    WriteNumber(mouse, "MouseSensitivity", profile.MouseSpeed);
    WriteNumber(mouse, "MouseTrails", profile.MouseTrails);
    const AccelerationTriple& acceleration = kAccelerationTable[AccelerationIndexToWrite(profile)];
    WriteNumber(mouse, "MouseSpeed", acceleration.speed);
    WriteNumber(mouse, "MouseThreshold1", acceleration.threshold1);
    WriteNumber(mouse, "MouseThreshold2", acceleration.threshold2);
  }
  const RegKey desktop = OpenOrCreateKey(registry, RegistryRoot::kCurrentUser, kDesktopKey);
  if (!desktop) return -1;
  WriteNumber(desktop, "WheelScrollLines", profile.ScrollWheelFlag == 1 ? -1 : profile.ScrollWheelSpeed);
  WriteNumber(desktop, "WheelScrollChars", profile.TiltSpeed);
  return 1;
}

int ReadPointerRegistry(ProfileRecord& profile, Registry& registry) {
  {
    const RegKey mouse = OpenOrCreateKey(registry, RegistryRoot::kCurrentUser, kMouseKey);
    if (!mouse) return 0;
    if (const auto value = ReadNumber(mouse, "DoubleClickSpeed")) profile.DbleClickSpeed = *value;
    if (const auto value = ReadNumber(mouse, "MouseSensitivity")) profile.MouseSpeed = *value;
    if (const auto value = ReadNumber(mouse, "MouseTrails")) profile.MouseTrails = *value;
    const auto speed = ReadNumber(mouse, "MouseSpeed");
    const auto threshold1 = ReadNumber(mouse, "MouseThreshold1");
    const auto threshold2 = ReadNumber(mouse, "MouseThreshold2");
    if (speed && threshold1 && threshold2) {
      if (const auto index = AccelerationIndexFromRegistry({*speed, *threshold1, *threshold2}))
        profile.Acceleration = *index;
      profile.AccelerationFlag = profile.Acceleration != 0 ? 1 : 0;
    }
  }
  const RegKey desktop = OpenOrCreateKey(registry, RegistryRoot::kCurrentUser, kDesktopKey);
  if (!desktop) return -1;
  if (const auto lines = ReadNumber(desktop, "WheelScrollLines")) {
    if (*lines == -1) {
      profile.ScrollWheelFlag = 1;
      if (profile.ScrollWheelSpeed < 1 || profile.ScrollWheelSpeed > 10) profile.ScrollWheelSpeed = 3;
    } else {
      profile.ScrollWheelSpeed = *lines;
      profile.ScrollWheelFlag = 0;
    }
  }
  if (const auto chars = ReadNumber(desktop, "WheelScrollChars")) profile.TiltSpeed = *chars;
  return 1;
}

}  // namespace orvix
