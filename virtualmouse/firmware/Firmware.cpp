#include "Firmware.h"

#include <algorithm>
#include <cstring>

#include "ButtonBehaviour.h"
#include "MemoryDump.h"

namespace orvix::vmouse {
namespace {

enum ReportId : std::uint8_t {
  kSelectOrStatus = 4,
  kCurrentProfile = 5,
  kSettings = 6,
  kButtons = 7,
  kMacro = 8,
  kVersion = 9,
  kSensorImage = 12,
  kHostMode = 14,
  kTracking = 15,
  kLightControl = 16,
  kLightDatabase = 26,
};

constexpr int kSettingsLength = 31;
constexpr int kButtonsLength = 59;
constexpr int kMacroLength = 2082;
constexpr int kSensorCaptureLength = 4;
constexpr int kSensorImageLength = 1028;
constexpr int kLightChunkLength = 1029;
constexpr std::uint8_t kSelectSettings = 0x80;
constexpr std::uint8_t kSelectButtons = 0x90;

// The size the HID layer takes for each report; any other size never reaches the mouse.
int WriteLength(std::uint8_t id) {
  switch (id) {
    case kSelectOrStatus:
    case kCurrentProfile:
    case kHostMode: return 3;
    case kSettings: return kSettingsLength;
    case kButtons: return kButtonsLength;
    case kMacro: return kMacroLength;
    case kVersion:
    case kTracking: return 6;
    case kSensorImage: return kSensorCaptureLength;
    case kLightControl: return 16;
    case kLightDatabase: return kLightChunkLength;
    default: return 0;
  }
}

int ReadLength(std::uint8_t id) {
  switch (id) {
    case kSelectOrStatus:
    case kCurrentProfile: return 3;
    case kSettings: return kSettingsLength;
    case kButtons: return kButtonsLength;
    case kMacro: return kMacroLength;
    case kVersion:
    case kTracking: return 6;
    case kSensorImage: return kSensorImageLength;
    default: return 0;
  }
}

std::uint16_t Sum(const std::uint8_t* bytes, int count) {
  std::uint16_t sum = 0;
  for (int i = 0; i < count; ++i) sum = static_cast<std::uint16_t>(sum + bytes[i]);
  return sum;
}

bool ChecksumOk(const std::uint8_t* report, int length) {
  const std::uint16_t stored = static_cast<std::uint16_t>(report[length - 2] | (report[length - 1] << 8));
  return stored == Sum(report, length - 2);
}

void StoreChecksum(std::uint8_t* report, int length, bool corrupt) {
  const std::uint16_t sum = static_cast<std::uint16_t>(Sum(report, length - 2) + (corrupt ? 1 : 0));
  report[length - 2] = static_cast<std::uint8_t>(sum);
  report[length - 1] = static_cast<std::uint8_t>(sum >> 8);
}

// An image average far off the middle means the sensor cannot see the surface.
bool CalibrationSucceeds(std::uint8_t value) { return value >= 16 && value <= 240; }

}  // namespace

Firmware::Firmware(std::unique_ptr<MouseMemory> memory, EventSink& events, MemoryStore& store, Sleep sleep)
    : memory_(std::move(memory)), events_(events), store_(store), sleep_(std::move(sleep)) {}

bool Firmware::OpenFeatureDevice() {
  std::lock_guard lock(mutex_);
  open_ = plugged_;
  return open_;
}

void Firmware::CloseFeatureDevice() {
  std::lock_guard lock(mutex_);
  open_ = false;
}

bool Firmware::UnplugDue() {
  if (unplugCountdown_ < 0) return false;
  if (unplugCountdown_-- > 0) return false;
  UnplugLocked();
  return true;
}

bool Firmware::Reachable() { return plugged_ && open_ && !UnplugDue(); }

bool Firmware::SetFeature(const std::uint8_t* report, int length) {
  if (const int slow = Faults().slowMs; slow > 0 && sleep_) sleep_(slow);
  std::lock_guard lock(mutex_);
  if (!Reachable() || report == nullptr || length <= 0 || WriteLength(report[0]) != length) return false;
  if (faults_.failStatusWrites > 0) {
    --faults_.failStatusWrites;
    status_ = static_cast<std::uint8_t>(faults_.failStatus);
    return true;
  }
  status_ = Write(report, length);
  return true;
}

bool Firmware::GetFeature(std::uint8_t* report, int length) {
  if (const int slow = Faults().slowMs; slow > 0 && sleep_) sleep_(slow);
  std::lock_guard lock(mutex_);
  if (!Reachable() || report == nullptr || length <= 0 || ReadLength(report[0]) != length) return false;
  if (faults_.failedReads > 0) {
    --faults_.failedReads;
    return false;
  }
  return Read(report, length);
}

std::uint8_t Firmware::Write(const std::uint8_t* r, int length) {
  MouseState& state = memory_->state;
  switch (r[0]) {
    case kSelectOrStatus:
      selectedProfile_ = -1;
      selector_ = -1;
      if (r[1] >= kMouseProfiles) return kStatusBadParameter;
      if (r[2] != kSelectSettings && r[2] != kSelectButtons && r[2] >= kDeviceButtons) return kStatusBadParameter;
      selectedProfile_ = r[1];
      selector_ = r[2];
      return kStatusDone;

    case kCurrentProfile:
      if (r[1] != 3) return kStatusRejected;
      if (r[2] >= kMouseProfiles) return kStatusBadParameter;
      state.currentProfile = r[2];
      break;

    case kSettings: {
      if (r[1] != kSettingsLength) return kStatusRejected;
      if (!ChecksumOk(r, length)) return kStatusBadChecksum;
      DeviceSettings settings;
      std::memcpy(&settings, r + 3, sizeof settings);
      if (r[2] >= kMouseProfiles || settings.currentLevel > 4) return kStatusBadParameter;
      state.profiles[r[2]].settings = settings;
      break;
    }

    case kButtons:
      if (r[1] != kButtonsLength) return kStatusRejected;
      if (!ChecksumOk(r, length)) return kStatusBadChecksum;
      if (r[2] >= kMouseProfiles) return kStatusBadParameter;
      std::memcpy(state.profiles[r[2]].buttons, r + 3, sizeof state.profiles[r[2]].buttons);
      break;

    case kMacro: {
      if (r[1] != (kMacroLength & 0xFF) || r[2] != (kMacroLength >> 8)) return kStatusRejected;
      if (!ChecksumOk(r, length)) return kStatusBadChecksum;
      const int profile = r[3];
      const int button = r[4];
      const int events = r[78] | (r[79] << 8);
      if (profile >= kMouseProfiles || button >= kDeviceButtons || events > kMaxMacroEvents) return kStatusBadParameter;
      std::memcpy(&state.profiles[profile].macros[button], r + 5, sizeof(DeviceMacro));
      break;
    }

    case kVersion:  // only the restore form is a command
      if (r[1] != 6) return kStatusRejected;
      if (r[2] != 11 || r[3] != 0 || r[4] != 0 || r[5] != 0) return kStatusBadParameter;
      for (int p = 0; p < kMouseProfiles; ++p) FactoryProfile(state.profiles[p], p);
      state.currentProfile = 0;
      break;

    case kSensorImage:
      if (r[1] != 3) return kStatusRejected;
      if (r[2] != 1 || r[3] != 0) return kStatusBadParameter;
      return kStatusDone;  // the image is taken; nothing to keep

    case kHostMode:
      if (r[1] != 3) return kStatusRejected;
      if (r[2] > 1) return kStatusBadParameter;
      state.hostMode = r[2];
      break;

    case kTracking: {
      if (r[1] != 6) return kStatusRejected;
      TrackingState& t = state.tracking;
      t.liftOn = r[2];
      const bool request = r[3] == 255 && r[4] == 255;  // keeps the calibration
      if (!request) {
        t.trackControl = r[3];
        t.calibrationValue = r[4];
        t.calibrationMode = r[5];
        // Leaving calibration mode with a measured value evaluates the surface.
        if (t.calibrationMode == 0 && t.calibrationValue != 0)
          events_.DeviceEvent(kClassCalibration, CalibrationSucceeds(t.calibrationValue) ? 1 : 2);
      }
      break;
    }

    case kLightControl:
      if (r[1] != 16) return kStatusRejected;
      std::memcpy(state.lightControl, r + 2, sizeof state.lightControl);
      break;

    case kLightDatabase: {
      if (!ChecksumOk(r, length)) return kStatusBadChecksum;
      const int chunk = r[1] | (r[2] << 8);
      if (chunk >= kLightDatabaseChunks) return kStatusBadParameter;
      std::vector<std::uint8_t>& database = memory_->lightDatabase;
      const std::size_t end = static_cast<std::size_t>(chunk + 1) * kLightChunkBytes;
      if (database.size() < end) database.resize(end, 0);
      std::memcpy(database.data() + end - kLightChunkBytes, r + 3, kLightChunkBytes);
      break;
    }

    default: return kStatusBadParameter;
  }
  Save();
  return kStatusDone;
}

bool Firmware::Read(std::uint8_t* r, int length) {
  const MouseState& state = memory_->state;
  const std::uint8_t id = r[0];
  std::memset(r, 0, static_cast<std::size_t>(length));
  r[0] = id;
  switch (id) {
    case kSelectOrStatus:
      if (faults_.busyAnswers > 0) {
        --faults_.busyAnswers;
        r[1] = kStatusBusy;
      } else {
        r[1] = status_;
      }
      return true;

    case kCurrentProfile:
      r[1] = 3;
      r[2] = state.currentProfile;
      return true;

    case kSettings:
    case kButtons:
    case kMacro: {
      const bool selected = (id == kSettings && selector_ == kSelectSettings) ||
                            (id == kButtons && selector_ == kSelectButtons) ||
                            (id == kMacro && selector_ >= 0 && selector_ < kDeviceButtons);
      if (!selected) return false;
      const MouseProfile& profile = state.profiles[selectedProfile_];
      if (id == kSettings) {
        r[1] = kSettingsLength;
        r[2] = static_cast<std::uint8_t>(selectedProfile_);
        std::memcpy(r + 3, &profile.settings, sizeof profile.settings);
      } else if (id == kButtons) {
        r[1] = kButtonsLength;
        r[2] = static_cast<std::uint8_t>(selectedProfile_);
        std::memcpy(r + 3, profile.buttons, sizeof profile.buttons);
      } else {
        r[1] = kMacroLength & 0xFF;
        r[2] = kMacroLength >> 8;
        r[3] = static_cast<std::uint8_t>(selectedProfile_);
        r[4] = static_cast<std::uint8_t>(selector_);
        std::memcpy(r + 5, &profile.macros[selector_], sizeof(DeviceMacro));
      }
      const bool corrupt = faults_.corruptChecksums > 0;
      if (corrupt) --faults_.corruptChecksums;
      StoreChecksum(r, length, corrupt);
      return true;
    }

    case kVersion:
      r[1] = 6;
      r[2] = state.firmwareVersion;
      // The first step of a full read: an armed unplug starts counting here.
      if (faults_.unplugAfterReports >= 0) {
        unplugCountdown_ = faults_.unplugAfterReports;
        faults_.unplugAfterReports = -1;
      }
      return true;

    case kSensorImage:
      std::memcpy(r + 3, state.sensorImage, sizeof state.sensorImage);
      return true;

    case kTracking:
      r[1] = 6;
      r[2] = state.tracking.liftOn;
      r[3] = state.tracking.trackControl;
      r[4] = state.tracking.calibrationValue;
      r[5] = state.tracking.calibrationMode;
      return true;

    default: return false;
  }
}

void Firmware::Post(const ButtonOutcome& outcome) {
  if (!plugged_) return;
  for (const MouseEvent& e : outcome.events) events_.DeviceEvent(e.eventClass, e.data);
  if (outcome.memoryChanged) Save();
}

void Firmware::PressButton(int deviceIndex) {
  std::lock_guard lock(mutex_);
  if (!plugged_) return;
  Post(vmouse::PressButton(memory_->state, deviceIndex));
}

void Firmware::ReleaseButton(int deviceIndex) {
  std::lock_guard lock(mutex_);
  if (!plugged_) return;
  Post(vmouse::ReleaseButton(memory_->state, deviceIndex));
}

void Firmware::Click(int button, int count) {
  if (button < 1 || button > 5 || count <= 0) return;
  RaiseEvent(static_cast<std::uint16_t>(kClassClickCounter + 0x100 * (button - 1)),
             static_cast<std::uint16_t>(std::min(count, 0xFFFF)));
}

void Firmware::Wheel(int notches) {
  if (notches == 0) return;
  const int turns = std::min(notches > 0 ? notches : -notches, 0xFFFF);
  RaiseEvent(notches > 0 ? kClassWheelUp : kClassWheelDown, static_cast<std::uint16_t>(turns));
}

void Firmware::Move(int distance) {
  if (distance <= 0) return;
  RaiseEvent(kClassDistance, static_cast<std::uint16_t>(std::min(distance, 0xFFFF)));
}

void Firmware::RaiseEvent(std::uint16_t eventClass, std::uint16_t data) {
  std::lock_guard lock(mutex_);
  if (plugged_) events_.DeviceEvent(eventClass, data);
}

void Firmware::UnplugLocked() {
  if (!plugged_) return;
  plugged_ = false;
  open_ = false;
  unplugCountdown_ = -1;
  events_.Arrival(false);
}

void Firmware::Unplug() {
  std::lock_guard lock(mutex_);
  UnplugLocked();
}

void Firmware::Replug() {
  std::lock_guard lock(mutex_);
  if (plugged_) return;
  plugged_ = true;
  status_ = kStatusDone;
  selectedProfile_ = selector_ = -1;
  events_.Arrival(true);
}

void Firmware::SetFaults(const FaultPlan& faults) {
  std::lock_guard lock(mutex_);
  faults_ = faults;
  unplugCountdown_ = -1;
}

FaultPlan Firmware::Faults() {
  std::lock_guard lock(mutex_);
  return faults_;
}

std::string Firmware::Dump() {
  std::lock_guard lock(mutex_);
  return DumpMemory(*memory_, DumpContext{plugged_, open_, faults_});
}

std::unique_ptr<MouseMemory> Firmware::Memory() {
  std::lock_guard lock(mutex_);
  return std::make_unique<MouseMemory>(*memory_);
}

bool Firmware::pluggedIn() {
  std::lock_guard lock(mutex_);
  return plugged_;
}

}  // namespace orvix::vmouse
