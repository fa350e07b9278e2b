// The report sequences of the device link: the full read of the mouse, the write of
// what the configuration program marked as changed, the single uploads and the small
// commands. Each sequence object belongs to one thread (the window thread or the device
// I/O thread); both work on the monitor's local block, as the apply cycle requires.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "ReportExchange.h"
#include "SharedDataBlock.h"

namespace orvix {

// The calibration value and mode: numbers of the monitor process, not kept in files.
struct CalibrationState {
  std::atomic<int> value{0};
  std::atomic<int> mode{0};
};

// What the sequences need from the monitor; called on the thread running the sequence.
class DeviceHost {
 public:
  virtual ~DeviceHost() = default;
  virtual void StoreFirmwareVersion(int version) = 0;  // "FWVersion" of "config.ini"
  virtual void SaveConfiguration() = 0;                // "config.ini" and the five profile files
  virtual void PublishDeviceRead() = 0;                // copy the block out, post WM_OPT_DEVICE_READ_DONE
  virtual void SensorImageReady() = 0;                 // post WM_CAL_IMAGE_READY to the calibration wizard
};

enum class FullReadResult {
  kPublished,       // everything that could be read was stored, saved and published
  kTrackingUnread,  // report 15 failed: stored in the local block only
  kAborted,         // given up at a pause before the macros; nothing saved or published
};

// The request of a single macro upload (device job 6): which button of which profile.
struct MacroUploadTarget {
  int profile;
  int deviceIndex;
};
// Request values 1..80 name profiles 0..4 and device buttons 2..17; anything else
// (81..110 would name a sixth profile) names no button.
std::optional<MacroUploadTarget> MacroUploadTargetOf(std::intptr_t requestValue);

class DeviceSequences {
 public:
  DeviceSequences(ReportExchange& exchange, SharedDataBlock& local, CalibrationState& calibration, DeviceHost& host);

  // Device job 2 and arrival: firmware version, current profile, the five profiles with
  // their button functions and macros, tracking; then the change flags are cleared.
  FullReadResult FullRead();
  // WM_MON_APPLY_ALL: exactly what the change flags mark. True when every write was done.
  bool WriteChangedSettings();
  // Device job 6; false without sending anything for a request that names no button.
  bool UploadMacro(std::intptr_t requestValue);
  bool RestoreFactoryDefaults();
  bool SendCurrentProfile();  // device job 3
  // Device job 5: the file's bytes in chunks of 1024. False for a missing, empty, unreadable
  // or oversized file (nothing sent) and when any chunk failed.
  bool UploadLightDatabase(const std::string& path);
  // WM_MON_SENSOR_IMAGE: captures the image, sets the calibration value and writes the
  // image into the pixel area of the bitmap at `bitmapPath`. True when the bitmap was
  // written (the wizard is then told).
  bool CaptureSensorImage(const std::string& bitmapPath);
  bool SendTrackingReport(int requestValue);  // WM_MON_TRACKING_REPORT
  bool SetCalibrationMode(int mode);          // WM_MON_CALIBRATION_MODE
  bool SendHostMode(int value);
  bool SendCompanionLight(std::uint8_t first, std::uint8_t second, std::uint8_t third);
  bool SendAmbientLight(const std::uint8_t (&ambient)[20]);
  // The firmware check's read of report 9; a version read is also stored.
  std::optional<int> ReadFirmwareVersion();

 private:
  bool ReadProfileSettings(int profile);
  bool ReadProfileButtons(int profile);
  // Step 5 of the full read: the macros of every macro slot, stopping at the first
  // profile whose macro could not be read in three attempts.
  void ReadMacros();
  bool ReadTracking();
  bool WriteMacro(int profile, int deviceIndex, int firstDelayMs);
  bool WriteChangedMacros();

  ReportExchange& exchange_;
  SharedDataBlock& local_;
  CalibrationState& calibration_;
  DeviceHost& host_;
};

}  // namespace orvix
