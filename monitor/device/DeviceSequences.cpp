#include "DeviceSequences.h"

#include <cstring>
#include <memory>

#include "ButtonFunctionCodes.h"
#include "ButtonSlots.h"
#include "FeatureReports.h"
#include "LightDatabase.h"
#include "SensorBitmap.h"

namespace orvix {
namespace {

constexpr int kStepPauseMs = 100;
constexpr int kPollMs = 100;          // most reports
constexpr int kButtonPollMs = 500;    // reports 7 and 8
constexpr int kChunkPollMs = 300;     // report 26
constexpr int kSensorSettleMs = 2000;
constexpr int kSensorReadDelayMs = 500;
constexpr int kMacroAttempts = 3;
constexpr int kButtonsPerUploadProfile = 16;  // job 6 addresses device buttons 2..17
constexpr int kFirstUploadButton = 2;

bool ValidProfile(int profile) { return profile >= 0 && profile < kProfiles; }

bool AnyButtonFlag(const ChangeFlags& flags, int profile) {
  for (int s = 0; s < kButtonSlots; ++s)
    if (flags.button[profile][s] == 1) return true;
  return false;
}

}  // namespace

std::optional<MacroUploadTarget> MacroUploadTargetOf(std::intptr_t requestValue) {
  if (requestValue < 1) return std::nullopt;
  const std::intptr_t profile = (requestValue - 1) / kButtonsPerUploadProfile;
  if (profile >= kProfiles) return std::nullopt;
  return MacroUploadTarget{static_cast<int>(profile),
                           static_cast<int>((requestValue - 1) % kButtonsPerUploadProfile) + kFirstUploadButton};
}

DeviceSequences::DeviceSequences(ReportExchange& exchange, SharedDataBlock& local, CalibrationState& calibration,
                                 DeviceHost& host)
    : exchange_(exchange), local_(local), calibration_(calibration), host_(host) {}

// ---- reading ----

FullReadResult DeviceSequences::FullRead() {
  ReadFirmwareVersion();
  if (!exchange_.Pause(kStepPauseMs)) return FullReadResult::kAborted;

  Report<kCurrentProfileLength> current{kReportCurrentProfile};
  if (exchange_.Read(current))
    if (const auto profile = DecodeCurrentProfile(current)) local_.config.CurrentProfile = *profile;
  if (!exchange_.Pause(kStepPauseMs)) return FullReadResult::kAborted;

  for (int p = 0; p < kProfiles; ++p) {
    ReadProfileSettings(p);  // a profile that cannot be read keeps what the monitor had
    if (!exchange_.Pause(kStepPauseMs)) return FullReadResult::kAborted;
  }
  for (int p = 0; p < kProfiles; ++p) {
    ReadProfileButtons(p);
    if (!exchange_.Pause(kStepPauseMs)) return FullReadResult::kAborted;
  }
  ReadMacros();

  const bool trackingRead = ReadTracking();
  std::memset(&local_.flags, 0, sizeof local_.flags);
  if (!trackingRead) return FullReadResult::kTrackingUnread;
  host_.SaveConfiguration();
  host_.PublishDeviceRead();
  return FullReadResult::kPublished;
}

std::optional<int> DeviceSequences::ReadFirmwareVersion() {
  Report<kVersionLength> report{kReportVersion};
  if (!exchange_.Read(report)) return std::nullopt;
  const std::optional<int> version = DecodeFirmwareVersion(report);
  if (version) host_.StoreFirmwareVersion(*version);
  return version;
}

bool DeviceSequences::ReadProfileSettings(int profile) {
  Report<kDeviceSettingsLength> report{kReportDeviceSettings};
  return exchange_.SelectThenRead(profile, kSelectDeviceSettings, report) &&
         DecodeDeviceSettings(report, local_.config.profiles[profile]);
}

bool DeviceSequences::ReadProfileButtons(int profile) {
  Report<kButtonFunctionsLength> report{kReportButtonFunctions};
  return exchange_.SelectThenRead(profile, kSelectButtonFunctions, report) &&
         DecodeButtonFunctions(report, local_.config.profiles[profile]);
}

void DeviceSequences::ReadMacros() {
  auto report = std::make_unique<MacroReport>();  // off the device thread's small stack
  for (int p = 0; p < kProfiles; ++p) {
    ProfileRecord& profile = local_.config.profiles[p];
    for (int d = 0; d < kDeviceButtons; ++d) {
      ButtonAssignment& slot = profile.MacroKeyInfo[SlotFromDeviceIndex(d)];
      if (slot.function != kFunctionMacro) continue;
      bool read = false;
      for (int attempt = 0; attempt < kMacroAttempts && !read; ++attempt) {
        (*report)[0] = kReportMacro;
        read = exchange_.SelectThenRead(p, static_cast<std::uint8_t>(d), *report) && DecodeMacro(*report, slot);
        if (!exchange_.Pause(kStepPauseMs)) return;
      }
      if (!read) return;  // the profile failed: the macros stop here
    }
    if (!exchange_.Pause(kStepPauseMs)) return;
  }
}

bool DeviceSequences::ReadTracking() {
  Report<kTrackingLength> report{kReportTracking};
  if (!exchange_.Read(report)) return false;
  const std::optional<TrackingValues> values = DecodeTracking(report);
  if (!values) return false;
  local_.config.LiftOnFlag = values->liftOn;
  local_.config.TrackControlFlag = values->trackControl;
  calibration_.value = values->calibrationValue;
  calibration_.mode = values->calibrationMode;
  return true;
}

// ---- writing ----

bool DeviceSequences::WriteChangedSettings() {
  const ChangeFlags& flags = local_.flags;
  bool allDone = true;
  if (flags.currentProfile == 1) {
    allDone &= SendCurrentProfile();
    if (!exchange_.Pause(kStepPauseMs)) return false;
  }
  for (int p = 0; p < kProfiles; ++p) {
    if (flags.settings[p] != 1) continue;
    Report<kDeviceSettingsLength> report = EncodeDeviceSettings(p, local_.config.profiles[p]);
    allDone &= exchange_.WriteAndPoll(report, kPollMs);
    if (!exchange_.Pause(kStepPauseMs)) return false;
  }
  for (int p = 0; p < kProfiles; ++p) {
    if (!AnyButtonFlag(flags, p)) continue;
    Report<kButtonFunctionsLength> report = EncodeButtonFunctions(p, local_.config.profiles[p]);
    allDone &= exchange_.WriteAndPoll(report, kButtonPollMs);
    if (!exchange_.Pause(kStepPauseMs)) return false;
  }
  return WriteChangedMacros() && allDone;
}

bool DeviceSequences::WriteChangedMacros() {
  for (int p = 0; p < kProfiles; ++p)
    for (int d = 0; d < kDeviceButtons; ++d) {
      const int s = SlotFromDeviceIndex(d);
      if (local_.config.profiles[p].MacroKeyInfo[s].function != kFunctionMacro || local_.flags.button[p][s] != 1)
        continue;
      if (!WriteMacro(p, d, kButtonPollMs)) return false;  // the first failed macro ends the write
    }
  return true;
}

bool DeviceSequences::WriteMacro(int profile, int deviceIndex, int firstDelayMs) {
  auto report = std::make_unique<MacroReport>();
  const ButtonAssignment& slot = local_.config.profiles[profile].MacroKeyInfo[SlotFromDeviceIndex(deviceIndex)];
  return EncodeMacro(profile, deviceIndex, slot, *report) && exchange_.WriteAndPoll(*report, firstDelayMs);
}

bool DeviceSequences::UploadMacro(std::intptr_t requestValue) {
  const std::optional<MacroUploadTarget> target = MacroUploadTargetOf(requestValue);
  return target && WriteMacro(target->profile, target->deviceIndex, kButtonPollMs);
}

bool DeviceSequences::RestoreFactoryDefaults() {
  Report<kVersionLength> report = EncodeRestoreFactoryDefaults();
  return exchange_.WriteAndPoll(report, kPollMs);
}

bool DeviceSequences::SendCurrentProfile() {
  const int profile = local_.config.CurrentProfile;
  if (!ValidProfile(profile)) return false;  // another process may have written anything
  Report<kCurrentProfileLength> report = EncodeCurrentProfile(profile);
  return exchange_.WriteAndPoll(report, kPollMs);
}

bool DeviceSequences::UploadLightDatabase(const std::string& path) {
  const std::optional<std::vector<std::uint8_t>> database = ReadLightDatabase(path);
  if (!database || database->empty()) return false;
  const std::size_t length = database->size();
  const std::size_t chunks = (length + kLightChunkBytes - 1) / kLightChunkBytes;
  bool allDone = true;
  for (std::size_t chunk = 0; chunk < chunks; ++chunk) {
    const std::size_t at = chunk * kLightChunkBytes;
    Report<kLightChunkLength> report = EncodeLightChunk(static_cast<int>(chunk), database->data() + at, length - at);
    allDone &= exchange_.WriteAndPoll(report, kChunkPollMs);  // a failed chunk does not stop the others
    if (exchange_.aborted()) return false;
  }
  return allDone;
}

bool DeviceSequences::CaptureSensorImage(const std::string& bitmapPath) {
  Report<kSensorCaptureLength> capture = EncodeSensorCapture();
  exchange_.WriteAndPoll(capture, 0, kSensorSettleMs);
  if (!exchange_.Pause(kSensorReadDelayMs)) return false;
  auto report = std::make_unique<Report<kSensorImageLength>>();
  (*report)[0] = kReportSensorImage;
  SensorImage image{};
  if (!exchange_.Read(*report) || !DecodeSensorImage(*report, image)) return false;
  calibration_.value = CalibrationValueOf(image);
  if (!WriteSensorBitmap(bitmapPath, SensorBitmapPixelsOf(image))) return false;
  host_.SensorImageReady();
  return true;
}

bool DeviceSequences::SendTrackingReport(int requestValue) {
  const TrackingValues values{local_.config.LiftOnFlag, local_.config.TrackControlFlag, calibration_.value,
                              calibration_.mode};
  Report<kTrackingLength> report = EncodeTracking(values, requestValue);
  return exchange_.WriteAndPoll(report, kPollMs);
}

bool DeviceSequences::SetCalibrationMode(int mode) {
  switch (mode) {
    case 1: calibration_.mode = 0; break;  // the measurement is over: evaluate
    case 2: calibration_.mode = 1; break;  // accepted
    case 3: calibration_.value = 0; calibration_.mode = 0; break;  // discarded
    case 4: calibration_.value = 0; calibration_.mode = 2; break;
    default: break;
  }
  return SendTrackingReport(mode);
}

bool DeviceSequences::SendHostMode(int value) {
  Report<kHostModeLength> report = EncodeHostMode(value);
  return exchange_.WriteAndPoll(report, kPollMs);
}

bool DeviceSequences::SendCompanionLight(std::uint8_t first, std::uint8_t second, std::uint8_t third) {
  Report<kLightControlLength> report = EncodeCompanionLight(first, second, third);
  return exchange_.WriteAndPoll(report, kPollMs);
}

bool DeviceSequences::SendAmbientLight(const std::uint8_t (&ambient)[20]) {
  Report<kLightControlLength> report = EncodeAmbientLight(ambient);
  return exchange_.WriteAndPoll(report, kPollMs);
}

}  // namespace orvix
