#include "FeatureReports.h"

#include <algorithm>
#include <cstring>

#include "ButtonFunctionCodes.h"
#include "ButtonSlots.h"

namespace orvix {
namespace {

constexpr int kMacroTextBytes = 24;
constexpr int kMacroEventsAt = 80;
constexpr std::uint8_t kCustomColour = 255;

std::uint8_t Byte(std::int32_t value) { return static_cast<std::uint8_t>(value); }

// A text of a slot into a 24-byte field: at most 24 characters, the rest 0.
void PutText(std::uint8_t* field, const char* text, std::size_t capacity) {
  for (std::size_t i = 0; i < kMacroTextBytes && i < capacity && text[i] != '\0'; ++i)
    field[i] = static_cast<std::uint8_t>(text[i]);
}

// A 24-byte field into a slot's text: ended after 24 characters, trailing spaces removed.
template <std::size_t N>
void TakeText(char (&text)[N], const std::uint8_t* field) {
  static_assert(N > kMacroTextBytes);
  std::memset(text, 0, N);
  std::size_t length = 0;
  while (length < kMacroTextBytes && field[length] != 0) ++length;
  while (length > 0 && field[length - 1] == ' ') --length;
  std::memcpy(text, field, length);
}

}  // namespace

std::uint16_t ReportChecksum(const std::uint8_t* report, std::size_t length) {
  std::uint16_t sum = 0;
  for (std::size_t i = 0; i + 2 < length; ++i) sum = static_cast<std::uint16_t>(sum + report[i]);
  return sum;
}

void SealReport(std::uint8_t* report, std::size_t length) {
  const std::uint16_t sum = ReportChecksum(report, length);
  report[length - 2] = static_cast<std::uint8_t>(sum);
  report[length - 1] = static_cast<std::uint8_t>(sum >> 8);
}

bool ReportSealed(const std::uint8_t* report, std::size_t length) {
  if (length < 3) return false;
  const std::uint16_t stored = static_cast<std::uint16_t>(report[length - 2] | (report[length - 1] << 8));
  return stored == ReportChecksum(report, length);
}

Report<kSelectLength> EncodeSelect(int profile, std::uint8_t selector) {
  return {kReportSelect, Byte(profile), selector};
}

int DecodeStatus(const Report<kStatusLength>& report) { return report[1]; }

Report<kCurrentProfileLength> EncodeCurrentProfile(int profile) {
  return {kReportCurrentProfile, kCurrentProfileLength, Byte(profile)};
}

std::optional<int> DecodeCurrentProfile(const Report<kCurrentProfileLength>& report) {
  if (report[0] != kReportCurrentProfile || report[2] >= kProfiles) return std::nullopt;
  return report[2];
}

Report<kDeviceSettingsLength> EncodeDeviceSettings(int profileIndex, const ProfileRecord& p) {
  Report<kDeviceSettingsLength> r{};
  r[0] = kReportDeviceSettings;
  r[1] = kDeviceSettingsLength;
  r[2] = Byte(profileIndex);
  const bool separateAxes = p.XYSynchronous == 1;
  r[3] = Byte(p.XYSynchronous);
  r[4] = Byte(separateAxes ? p.Sensitivity_X : p.Sensitivity);
  r[5] = Byte(separateAxes ? p.Sensitivity_Y : p.Sensitivity);
  for (int i = 0; i < kDpiLevels; ++i) {
    if (p.dpi[i] == 1) r[6] = static_cast<std::uint8_t>(r[6] | (1 << i));
    r[7 + i] = Byte(p.CpiLevel_X[i] << 2);  // steps of 200 DPI on our side, 50 on the wire
    r[13 + i] = r[7 + i];
  }
  r[12] = Byte(p.Cpi_X);
  r[19] = Byte(p.PollingRate);
  r[20] = p.LightInfo[0].on == 1 ? 1 : 0;
  r[21] = Byte(p.LtChoseType);
  r[22] = Byte(p.LightColorFlow);
  r[23] = Byte(p.LightEffectType);
  r[24] = Byte(p.LightEffectSpeed);
  const bool palette = p.LtChoseType == 0;
  const LightEntry& colour = palette ? p.LightInfo[0] : p.CustomLightInfo[0];
  r[25] = palette ? colour.paletteIndex : kCustomColour;
  r[26] = colour.red;
  r[27] = colour.green;
  r[28] = colour.blue;
  SealReport(r.data(), r.size());
  return r;
}

bool DecodeDeviceSettings(const Report<kDeviceSettingsLength>& r, ProfileRecord& p) {
  if (r[0] != kReportDeviceSettings || !ReportSealed(r.data(), r.size())) return false;
  p.XYSynchronous = r[3];
  if (r[3] == 1) {
    p.Sensitivity_X = r[4];
    p.Sensitivity_Y = r[5];
  } else {
    p.Sensitivity = r[5];
  }
  for (int i = 0; i < kDpiLevels; ++i) {
    p.dpi[i] = (r[6] >> i) & 1;
    p.CpiLevel_X[i] = p.CpiLevel_Y[i] = r[7 + i] >> 2;
  }
  p.Cpi_X = p.Cpi_Y = r[12];
  p.PollingRate = r[19];
  p.LightInfo[0].on = r[20] & 1;
  p.LightColorFlow = r[22];
  p.LightEffectType = r[23];
  p.LightEffectSpeed = r[24];
  const bool custom = r[25] == kCustomColour;
  p.LtChoseType = custom ? 1 : 0;
  LightEntry& colour = custom ? p.CustomLightInfo[0] : p.LightInfo[0];
  colour.paletteIndex = r[25];
  colour.red = r[26];
  colour.green = r[27];
  colour.blue = r[28];
  return true;
}

Report<kButtonFunctionsLength> EncodeButtonFunctions(int profileIndex, const ProfileRecord& p) {
  Report<kButtonFunctionsLength> r{};
  r[0] = kReportButtonFunctions;
  r[1] = kButtonFunctionsLength;
  r[2] = Byte(profileIndex);
  for (int d = 0; d < kDeviceButtons; ++d) {
    const ButtonAssignment& slot = p.MacroKeyInfo[SlotFromDeviceIndex(d)];
    std::uint8_t* entry = &r[3 + 3 * d];
    entry[0] = slot.function;
    if (slot.function == kFunctionShortcut) {
      entry[1] = ShortcutModifiers(slot);
      entry[2] = ShortcutKey(slot);
    }
  }
  SealReport(r.data(), r.size());
  return r;
}

bool DecodeButtonFunctions(const Report<kButtonFunctionsLength>& r, ProfileRecord& p) {
  if (r[0] != kReportButtonFunctions || !ReportSealed(r.data(), r.size())) return false;
  for (int d = 0; d < kDeviceButtons; ++d) {
    ButtonAssignment& slot = p.MacroKeyInfo[SlotFromDeviceIndex(d)];
    const std::uint8_t* entry = &r[3 + 3 * d];
    slot.function = entry[0];
    if (entry[0] != kFunctionShortcut) continue;
    // A shortcut slot holds its key in the first event and nothing else.
    std::memset(slot.events, 0, sizeof slot.events);
    slot.events[0].key = entry[2];
    slot.events[0].direction = entry[1];
    slot.eventCount = 1;
    std::memset(slot.reservedText, 0, sizeof slot.reservedText);
    std::memset(slot.macroSetName, 0, sizeof slot.macroSetName);
    std::memset(slot.macroName, 0, sizeof slot.macroName);
  }
  return true;
}

bool EncodeMacro(int profileIndex, int deviceIndex, const ButtonAssignment& slot, MacroReport& r) {
  if (slot.eventCount > kMaxMacroEvents) return false;
  r.fill(0);
  r[0] = kReportMacro;
  r[1] = kMacroLength & 0xFF;
  r[2] = kMacroLength >> 8;
  r[3] = Byte(profileIndex);
  r[4] = Byte(deviceIndex);
  r[5] = Byte(slot.loopCount);
  PutText(&r[6], slot.reservedText, sizeof slot.reservedText);
  PutText(&r[30], slot.macroSetName, sizeof slot.macroSetName);
  PutText(&r[54], slot.macroName, sizeof slot.macroName);
  r[78] = static_cast<std::uint8_t>(slot.eventCount);
  r[79] = static_cast<std::uint8_t>(slot.eventCount >> 8);
  std::memcpy(&r[kMacroEventsAt], slot.events, slot.eventCount * sizeof(MacroEvent));
  SealReport(r.data(), r.size());
  return true;
}

bool DecodeMacro(const MacroReport& r, ButtonAssignment& slot) {
  if (r[0] != kReportMacro || !ReportSealed(r.data(), r.size())) return false;
  const int events = r[78] | (r[79] << 8);
  if (events > kMaxMacroEvents) return false;
  slot.loopCount = r[5];
  TakeText(slot.reservedText, &r[6]);
  TakeText(slot.macroSetName, &r[30]);
  TakeText(slot.macroName, &r[54]);
  slot.function = kFunctionMacro;
  std::memset(slot.events, 0, sizeof slot.events);
  std::memcpy(slot.events, &r[kMacroEventsAt], static_cast<std::size_t>(events) * sizeof(MacroEvent));
  slot.eventCount = static_cast<std::uint16_t>(events);
  return true;
}

std::optional<int> DecodeFirmwareVersion(const Report<kVersionLength>& r) {
  if (r[0] != kReportVersion) return std::nullopt;
  return r[2];
}

Report<kVersionLength> EncodeRestoreFactoryDefaults() { return {kReportVersion, kVersionLength, 11, 0, 0, 0}; }

Report<kSensorCaptureLength> EncodeSensorCapture() { return {kReportSensorImage, 3, 1, 0}; }

bool DecodeSensorImage(const Report<kSensorImageLength>& r, SensorImage& image) {
  if (r[0] != kReportSensorImage) return false;
  std::copy_n(&r[3], kSensorImagePixels, image.begin());
  return true;
}

Report<kHostModeLength> EncodeHostMode(int value) { return {kReportHostMode, kHostModeLength, Byte(value)}; }

Report<kTrackingLength> EncodeTracking(const TrackingValues& v, int requestValue) {
  Report<kTrackingLength> r{kReportTracking,          kTrackingLength,         Byte(v.liftOn),
                            Byte(v.trackControl),     Byte(v.calibrationValue), Byte(v.calibrationMode)};
  if (requestValue == 255 || requestValue == 254 || requestValue == 253) {
    r[3] = r[4] = 255;
    r[5] = requestValue == 255 ? 255 : requestValue == 254 ? 1 : 0;
  }
  return r;
}

std::optional<TrackingValues> DecodeTracking(const Report<kTrackingLength>& r) {
  if (r[0] != kReportTracking) return std::nullopt;
  return TrackingValues{r[2], r[3], r[4], r[5]};
}

Report<kLightControlLength> EncodeCompanionLight(std::uint8_t first, std::uint8_t second, std::uint8_t third) {
  Report<kLightControlLength> r{};
  r[0] = kReportLightControl;
  r[1] = kLightControlLength;
  r[2] = first;
  r[3] = second;
  r[4] = third;
  r[5] = 255;
  return r;
}

Report<kLightControlLength> EncodeAmbientLight(const std::uint8_t (&ambient)[20]) {
  Report<kLightControlLength> r{};
  r[0] = kReportLightControl;
  r[1] = kLightControlLength;
  r[2] = r[3] = r[4] = 255;
  r[5] = 1;
  const std::uint32_t mode = ambient[0] | (ambient[1] << 8) | (ambient[2] << 16) | (std::uint32_t{ambient[3]} << 24);
  r[6] = mode == 1 ? 3 : 4;
  r[7] = 1;
  constexpr int kUsed[8] = {4, 8, 12, 13, 14, 15, 16, 17};
  for (int i = 0; i < 8; ++i) r[8 + i] = ambient[kUsed[i]];
  return r;
}

Report<kLightChunkLength> EncodeLightChunk(int chunk, const std::uint8_t* data, std::size_t available) {
  Report<kLightChunkLength> r{};
  r[0] = kReportLightDatabase;
  r[1] = static_cast<std::uint8_t>(chunk);
  r[2] = static_cast<std::uint8_t>(chunk >> 8);
  if (data != nullptr && available > 0) std::memcpy(&r[3], data, std::min<std::size_t>(available, kLightChunkBytes));
  SealReport(r.data(), r.size());
  return r;
}

}  // namespace orvix
