#include "ProfileFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ButtonFunctionCodes.h"
#include "FixedText.h"
#include "IniFile.h"
#include "ProfileKeys.h"

namespace orvix {
namespace {

constexpr const char* kSection = kProfileSection;
constexpr std::int32_t kMissingInt = -1;

struct KeyWriter {
  const IniFile& file;
  template <std::size_t N>
  void Text(const char* key, const char (&text)[N]) { file.WriteText(kSection, key, FixedTextView(text)); }
  void Int(const char* key, std::int32_t value, std::int32_t = kMissingInt) { file.WriteInt(kSection, key, value); }
  void Byte(const char* key, std::uint8_t value) { file.WriteInt(kSection, key, value); }
  template <typename Record>
  void Block(const char* key, const Record& block) { file.WriteBlock(kSection, key, block); }
};

struct KeyReader {
  const IniFile& file;
  template <std::size_t N>
  void Text(const char* key, char (&text)[N]) { CopyFixedText(text, file.ReadText(kSection, key, "")); }
  void Int(const char* key, std::int32_t& value, std::int32_t missing = kMissingInt) {
    value = file.ReadInt(kSection, key, missing);
  }
  void Byte(const char* key, std::uint8_t& value) {
    value = static_cast<std::uint8_t>(file.ReadInt(kSection, key, kMissingInt) & 0xFF);
  }
  template <typename Record>
  void Block(const char* key, Record& block) { file.ReadBlock(kSection, key, block); }  // keeps it when damaged
};

// Default functions of the 24 button slots.
constexpr std::uint8_t kDefaultFunctions[kButtonSlots] = {
    kFunctionClick,           kFunctionMenu,        kFunctionUniversalScrolling, kFunctionIeForward,
    kFunctionAltlayer,        kFunctionTiltLeft,    kFunctionTiltRight,          kFunctionScrollUp,
    kFunctionScrollDown,      kFunctionDpiUp,       kFunctionDpiDown,            kFunctionWindowsKey,
    kFunctionIeBackward,      kFunctionIeForward,   kFunctionWindowsMute,        kFunctionDisabledToo,
    kFunctionDisabled,        kFunctionPreviousTrack, kFunctionNextTrack,        kFunctionWindowsVolumeUp,
    kFunctionWindowsVolumeDown, kFunctionProfileUp, kFunctionProfileDown,        kFunctionOpenDriver,
};

constexpr std::uint8_t kDefaultPaletteIndex[kProfiles] = {0, 0, 7, 11, 15};
constexpr std::uint8_t kDefaultColour[kProfiles][3] = {{0, 100, 250}, {0, 100, 250}, {250, 0, 0}, {0, 250, 0}, {0, 0, 250}};
constexpr std::int32_t kDefaultCpiLevels[kDpiLevels] = {4, 8, 16, 32, 41};

}  // namespace

int WriteProfileFile(const ProfileRecord& record, const std::string& path, IniStore& ini) {
  const IniFile file(ini, path);
  KeyWriter writer{file};
  VisitProfileKeys(record, writer);
  return 1;
}

int ReadProfileFile(ProfileRecord& record, const std::string& path, IniStore& ini) {
  const IniFile file(ini, path);
  KeyReader reader{file};
  VisitProfileKeys(record, reader);
  // The padding is no key of the file; it is zero in every record.
  std::memset(record.padding0, 0, sizeof record.padding0);
  std::memset(record.padding1, 0, sizeof record.padding1);
  return 1;
}

void InitDefaultProfile(ProfileRecord& r, int slot) {
  std::memset(&r, 0, sizeof r);
  const int p = std::clamp(slot, 0, kProfiles - 1);
  std::snprintf(r.ProFileName, sizeof r.ProFileName, "Default%d", slot + 1);
  r.DbleClickSpeed = 480;
  r.ScrollWheelSpeed = 3;
  r.ScrollWheelFlag = 0;
  r.MouseSpeed = 10;
  r.Acceleration = 10;
  r.AccelerationFlag = 0;
  r.MouseTrails = 0;
  r.TiltSpeed = 3;
  r.MediaOption = 0;
  r.HDDKeyboard = 1;
  r.Orientation = 0;
  r.XYSynchronous = 0;
  r.Sensitivity_X = 6;
  r.Sensitivity_Y = 6;
  r.Sensitivity = 6;
  for (int i = 0; i < kDpiLevels; ++i) r.dpi[i] = 1;  // the sixth flag stays 0
  for (int i = 0; i < kDpiLevels; ++i) r.CpiLevel_X[i] = r.CpiLevel_Y[i] = kDefaultCpiLevels[i];
  r.PollingRate = 3;
  r.LightOnFlag = 1;
  r.LightEffectMode = 0;
  r.LightColorFlow = p == 0 ? 1 : 0;
  r.LightEffectType = p == 0 ? 2 : 1;
  r.LightEffectSpeed = 2;
  r.SoundProfile = r.SoundDpi = r.SoundSens = r.VolumeUpDown = r.SoundTrophy = 1;
  r.SoundVolume = 2;
  for (LightEntry& light : r.LightInfo)
    light = {kDefaultPaletteIndex[p], 1, kDefaultColour[p][0], kDefaultColour[p][1], kDefaultColour[p][2]};
  for (int s = 0; s < kButtonSlots; ++s) {
    r.MacroKeyInfo[s].slot = static_cast<std::uint8_t>(s);
    r.MacroKeyInfo[s].function = kDefaultFunctions[s];
  }
}

}  // namespace orvix
