// The feature reports the monitor exchanges with the mouse: their ids, lengths and
// checksum, and one encoder or decoder per report between its bytes and the records.
// Decoders check the id (and the checksum where the report has one) and store nothing
// into the record when the report is not acceptable.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "ButtonAssignment.h"
#include "ProfileRecord.h"

namespace orvix {

enum FeatureReportId : std::uint8_t {
  kReportSelect = 4,  // write: select; read: status
  kReportCurrentProfile = 5,
  kReportDeviceSettings = 6,
  kReportButtonFunctions = 7,
  kReportMacro = 8,
  kReportVersion = 9,  // read: firmware version; write: restore factory defaults
  kReportSensorImage = 12,
  kReportHostMode = 14,
  kReportTracking = 15,
  kReportLightControl = 16,
  kReportLightDatabase = 26,
};

constexpr int kSelectLength = 3;
constexpr int kStatusLength = 3;
constexpr int kCurrentProfileLength = 3;
constexpr int kDeviceSettingsLength = 31;
constexpr int kButtonFunctionsLength = 59;
constexpr int kMacroLength = 2082;
constexpr int kVersionLength = 6;
constexpr int kSensorCaptureLength = 4;
constexpr int kSensorImageLength = 1028;
constexpr int kHostModeLength = 3;
constexpr int kTrackingLength = 6;
constexpr int kLightControlLength = 16;
constexpr int kLightChunkLength = 1029;
constexpr int kLightChunkBytes = 1024;
constexpr int kSensorImageSide = 30;
constexpr int kSensorImagePixels = kSensorImageSide * kSensorImageSide;

// Selectors of report 4 besides a device button index 0..17.
constexpr std::uint8_t kSelectDeviceSettings = 0x80;
constexpr std::uint8_t kSelectButtonFunctions = 0x90;

// Status values of report 4; any other value means the command failed.
constexpr int kStatusDone = 1;
constexpr int kStatusBusy = 3;

template <std::size_t N>
using Report = std::array<std::uint8_t, N>;
using MacroReport = Report<kMacroLength>;
using SensorImage = std::array<std::uint8_t, kSensorImagePixels>;

// The 16-bit sum of every byte before the last two, which hold it low byte first
// (reports 6, 7, 8 and 26).
std::uint16_t ReportChecksum(const std::uint8_t* report, std::size_t length);
void SealReport(std::uint8_t* report, std::size_t length);
bool ReportSealed(const std::uint8_t* report, std::size_t length);

Report<kSelectLength> EncodeSelect(int profile, std::uint8_t selector);
// The status byte of a report 4 read.
int DecodeStatus(const Report<kStatusLength>& report);

Report<kCurrentProfileLength> EncodeCurrentProfile(int profile);
// The current profile; nothing for a value above 4 or a foreign report.
std::optional<int> DecodeCurrentProfile(const Report<kCurrentProfileLength>& report);

Report<kDeviceSettingsLength> EncodeDeviceSettings(int profileIndex, const ProfileRecord& profile);
bool DecodeDeviceSettings(const Report<kDeviceSettingsLength>& report, ProfileRecord& profile);

Report<kButtonFunctionsLength> EncodeButtonFunctions(int profileIndex, const ProfileRecord& profile);
bool DecodeButtonFunctions(const Report<kButtonFunctionsLength>& report, ProfileRecord& profile);

// False (nothing encoded) when the slot holds more events than the report can carry.
bool EncodeMacro(int profileIndex, int deviceIndex, const ButtonAssignment& slot, MacroReport& report);
// False for a wrong checksum or more than 500 events: the slot keeps what it held.
bool DecodeMacro(const MacroReport& report, ButtonAssignment& slot);

std::optional<int> DecodeFirmwareVersion(const Report<kVersionLength>& report);
Report<kVersionLength> EncodeRestoreFactoryDefaults();

Report<kSensorCaptureLength> EncodeSensorCapture();
bool DecodeSensorImage(const Report<kSensorImageLength>& report, SensorImage& image);

Report<kHostModeLength> EncodeHostMode(int value);

struct TrackingValues {
  int liftOn = 0;
  int trackControl = 0;
  int calibrationValue = 0;
  int calibrationMode = 0;
};
// Request values 255, 254 and 253 give the special forms that leave the tracking flag and
// the calibration value alone; any other value sends the values as they are.
Report<kTrackingLength> EncodeTracking(const TrackingValues& values, int requestValue);
std::optional<TrackingValues> DecodeTracking(const Report<kTrackingLength>& report);

// Report 16 in its companion form: three light values, 255 = leave unchanged.
Report<kLightControlLength> EncodeCompanionLight(std::uint8_t first, std::uint8_t second, std::uint8_t third);
// Report 16 in its ambient form, from the companion application's 20 bytes of ambient data.
Report<kLightControlLength> EncodeAmbientLight(const std::uint8_t (&ambient)[20]);

// Chunk `chunk` of the light colour database: 1024 bytes from `data` (the bytes past
// `available` are 0).
Report<kLightChunkLength> EncodeLightChunk(int chunk, const std::uint8_t* data, std::size_t available);

}  // namespace orvix
