#include "core/MonitorCore.h"

#include <utility>

#include "ButtonSlots.h"
#include "Messages.h"
#include "core/GameProfiles.h"
#include "core/UsageStatistics.h"

namespace orvix {
namespace {

constexpr unsigned kWindowClose = 0x0010;  // WM_CLOSE

constexpr int kSoundSensitivityUp = 30;
constexpr int kSoundSensitivityDown = 31;
constexpr int kSoundVolumeUp = 32;
constexpr int kSoundVolumeDown = 33;
constexpr int kSoundFirstProfile = 40;
constexpr int kSoundWindowsProfile = 45;
constexpr int kSoundTrophy = 50;
constexpr int kSoundEveryTrophy = 51;

constexpr int kMinSensitivity = 1;
constexpr int kMaxSensitivity = 11;
constexpr int kDpiStep = 200;
constexpr int kMaxDpiLevelValue = 41;  // 8200 DPI

bool InSensitivityRange(int value) { return value >= kMinSensitivity && value <= kMaxSensitivity; }

}  // namespace

MonitorCore::MonitorCore(const MonitorPorts& ports, SharedDataBlock& local, std::string installFolder)
    : ports_(ports),
      local_(local),
      installFolder_(std::move(installFolder)),
      sounds_(ports.soundOutput, ports.soundMemory, ports.files, local.config, installFolder_),
      countdown_(ports.timers, sounds_),
      soundTimers_(ports.timers, sounds_, countdown_) {}

void MonitorCore::OnDeviceEventMessage(std::uintptr_t wParam, std::intptr_t lParam) {
  HandleDeviceEvent(DeviceEventFromMessage(wParam, lParam));
}

void MonitorCore::OnDeviceArrivalMessage(std::uintptr_t wParam) { HandleDeviceEvent(DeviceEventFromArrival(wParam)); }

void MonitorCore::HandleDeviceEvent(DeviceEventCode code) {
  using Action = DeviceEventAction;
  switch (DecodeDeviceEvent(code)) {
    case Action::kIgnore:
      return;
    case Action::kArrival:
      return OnArrival();
    case Action::kRemoval:
      return OnRemoval();
    case Action::kHostButton:
      return ports_.hostButtons.DispatchHostButtonEvent(code.value);
    case Action::kVolumeFeedback:
      return OnVolumeEvent(code.a(), code.b());
    case Action::kProfileChange:
      return OnProfileEvent(code.data());
    case Action::kCalibrationStep:
      ports_.messenger.PostToWindow(kCalibrationWindowTitle, WM_CAL_STEP, 0, code.data());
      return;
    case Action::kDpiLevelChange:
      return OnDpiLevelEvent(code.data());
    case Action::kSensitivityChange:
      return OnSensitivityEvent(code.a(), code.b());
    case Action::kPollingRateChange:
      return OnPollingRateEvent(code.data());
    case Action::kUsageCounter:
      return OnCounterEvent(code.eventClass(), code.data());
    case Action::kUploadLightDatabase:
      ports_.messenger.PostDeviceJob(kJobUploadLightDatabase, 0);
      return;
    case Action::kUploadMacro:
      ports_.messenger.PostDeviceJob(kJobUploadMacro, code.a());
      return;
    case Action::kCompanionButton:
      return OnCompanionButton(code.a(), code.b());
  }
}

bool MonitorCore::SoundSwitchOn(std::int32_t ProfileRecord::*soundSwitch) const {
  const ProfileRecord* profile = CurrentProfileRecord(local_.config);
  return profile != nullptr && profile->*soundSwitch == 1;
}

void MonitorCore::PublishLevelChange() {
  ports_.block.CopyOut();
  ports_.messenger.PostToWindow(kOptionWindowTitle, WM_OPT_LEVEL_CHANGED, 0, 0);
}

// The mouse switched its profile itself; the data is the new profile's number 1..5.
void MonitorCore::OnProfileEvent(int data) {
  const int profile = data - 1;
  const bool announce = SoundSwitchOn(&ProfileRecord::SoundProfile);  // the switch of the profile left
  local_.config.CurrentProfile = profile;
  ports_.config.WriteCurrentProfile(profile);
  if (announce) soundTimers_.Schedule(kProfileSoundTimerId, kSoundFirstProfile + profile);
  ports_.block.CopyOut();
  ports_.pointer.ApplyPointerSettings(local_.config.profiles[profile]);
  ports_.messenger.PostToWindow(kOptionWindowTitle, WM_OPT_PROFILE_CHANGED, 0, 0);
  ports_.companion.ResetLightToggle();
  ports_.companion.SendDpiTable();
}

// A profile that is not 0..4 has no DPI levels to mirror: the event is dropped.
void MonitorCore::OnDpiLevelEvent(int data) {
  ProfileRecord* profile = CurrentProfileRecord(local_.config);
  if (profile == nullptr) return;
  const int level = data - 1;
  // A stored level outside 0..4 has no known value: whatever comes now is news.
  const bool oldKnown = profile->Cpi_X >= 0 && profile->Cpi_X < kDpiLevels;
  const std::int32_t oldValue = oldKnown ? profile->CpiLevel_X[profile->Cpi_X] : 0;
  profile->Cpi_X = level;
  profile->Cpi_Y = level;
  const std::int32_t newValue = profile->CpiLevel_X[level];
  const bool speakable = newValue >= 1 && newValue <= kMaxDpiLevelValue;
  if (profile->SoundDpi == 1 && speakable && (!oldKnown || newValue != oldValue))
    soundTimers_.Schedule(kDpiSoundTimerId, newValue * kDpiStep);
  PublishLevelChange();
}

void MonitorCore::OnSensitivityEvent(std::uint8_t a, std::uint8_t b) {
  ProfileRecord* profile = CurrentProfileRecord(local_.config);
  if (profile == nullptr) return;
  bool up = false;
  bool down = false;
  bool stored = false;
  if (profile->XYSynchronous == 1) {
    up = a > profile->Sensitivity_X;
    down = a < profile->Sensitivity_X;
    if (InSensitivityRange(a)) {
      profile->Sensitivity_X = a;
      stored = true;
    }
    if (InSensitivityRange(b)) {
      profile->Sensitivity_Y = b;
      stored = true;
    }
  } else {
    up = a > profile->Sensitivity;
    down = a < profile->Sensitivity;
    if (InSensitivityRange(a)) {
      profile->Sensitivity = a;
      stored = true;
    }
  }
  if (!stored) return;
  if (profile->SoundSens == 1 && soundTimers_.MayAnnounce()) {
    if (up)
      soundTimers_.Schedule(kSensitivityUpSoundTimerId, kSoundSensitivityUp);
    else if (down)
      soundTimers_.Schedule(kSensitivityDownSoundTimerId, kSoundSensitivityDown);
    else
      soundTimers_.StopPending();
  }
  PublishLevelChange();
}

void MonitorCore::OnPollingRateEvent(int data) {
  ProfileRecord* profile = CurrentProfileRecord(local_.config);
  if (profile == nullptr) return;
  profile->PollingRate = data - 1;
  PublishLevelChange();
}

// The mouse changes the Windows volume itself; the monitor only speaks.
void MonitorCore::OnVolumeEvent(std::uint8_t a, std::uint8_t) {
  if (!SoundSwitchOn(&ProfileRecord::VolumeUpDown)) return;
  if (a == 1)
    soundTimers_.Schedule(kVolumeUpSoundTimerId, kSoundVolumeUp);
  else
    soundTimers_.Schedule(kVolumeDownSoundTimerId, kSoundVolumeDown);
}

// Statistics belong to no profile: they are counted even when the current profile is
// unknown, only the trophy sound then keeps quiet.
void MonitorCore::OnCounterEvent(std::uint16_t eventClass, std::uint16_t increment) {
  const CounterEventResult result = ApplyCounterEvent(local_.config.InfoData, eventClass, increment);
  if (result.unlocked && SoundSwitchOn(&ProfileRecord::SoundTrophy))
    soundTimers_.PlayTrophy(result.everyTrophy ? kSoundEveryTrophy : kSoundTrophy);
  // An unlock is published as well: left only in the local copy it would be lost at the
  // next copy in, and unlocked (and announced) a second time.
  if (!result.counterChanged && !result.unlocked) return;
  ports_.block.CopyOut();
  ports_.config.WriteInfoData(local_.config.InfoData);
  ports_.messenger.PostToWindow(kOptionWindowTitle, WM_OPT_STATISTICS_CHANGED, 0, 0);
}

void MonitorCore::OnCompanionButton(std::uint8_t a, std::uint8_t b) {
  const ProfileRecord* profile = CurrentProfileRecord(local_.config);
  if (profile == nullptr) return;
  const int slot = SlotFromDeviceIndex(a - 1);
  if (slot < 0 || slot >= kButtonSlots) return;
  ports_.companion.ButtonFunction(profile->MacroKeyInfo[slot], b);
}

void MonitorCore::OnArrival() {
  DevicePort& device = ports_.device;
  if (device.DeviceState() == 1) return;  // a second arrival while connected
  device.WaitAfterArrival();
  device.SetDeviceState(1);
  ports_.companion.SendDeviceStatus(true);
  device.OpenFeatureDevice();
  if (device.RunFirmwareCheck()) {
    ports_.messenger.PostToSelf(kWindowClose, 0, 0);
    return;
  }
  ports_.messenger.PostDeviceJob(kJobReadEverything, 0);
  ports_.tray.UpdateTrayIcon();
  ports_.config.WriteDeviceState(1);
  ports_.timers.StartTimer(kForegroundCheckTimerId, kForegroundCheckPeriodMs);
}

void MonitorCore::OnRemoval() {
  DevicePort& device = ports_.device;
  if (device.DeviceState() == 2) return;  // a second removal while removed
  device.SetDeviceState(2);
  ports_.companion.SendDeviceStatus(false);
  device.CloseFeatureDevice();
  device.AbortRunningJob();
  ports_.tray.UpdateTrayIcon();
  ports_.timers.KillTimer(kForegroundCheckTimerId);
  ports_.config.WriteDeviceState(0);
  ports_.messenger.PostToWindow(kOptionWindowTitle, kWindowClose, 0, 0);
}

bool MonitorCore::OnTimer(unsigned id) {
  if (id == kCountdownTimerId) {
    countdown_.Tick();
    return true;
  }
  return soundTimers_.OnTimer(id);
}

void MonitorCore::OnForegroundCheck() {
  const auto executable = ports_.foreground.ForegroundExecutableName();
  const bool configurationOpen = ports_.messenger.WindowExists(kOptionWindowTitle);
  const auto choice = ChooseForegroundProfile(local_.config, executable, configurationOpen);
  if (!choice) return;
  const bool announce = SoundSwitchOn(&ProfileRecord::SoundProfile);  // the switch of the profile left
  SwitchToProfile(choice->target);
  if (!announce) return;
  const int sound =
      choice->soundTimer == kProfileSoundTimerId ? kSoundFirstProfile + choice->target : kSoundWindowsProfile;
  soundTimers_.Schedule(choice->soundTimer, sound);
}

void MonitorCore::SwitchToProfile(int profile) {
  if (profile < 0 || profile >= kProfiles) return;
  ports_.companion.ResetLightToggle();
  local_.config.CurrentProfile = profile;
  ports_.block.CopyOut();
  ports_.messenger.PostDeviceJob(kJobCurrentProfile, 0);
  ports_.pointer.ApplyPointerSettings(local_.config.profiles[profile]);
  ports_.messenger.PostToWindow(kOptionWindowTitle, WM_OPT_PROFILE_CHANGED, 0, 0);
  ports_.companion.SendDpiTable();
}

void MonitorCore::WriteFirstRunRecord() { orvix::WriteFirstRunRecord(ports_.ini, ports_.clock, installFolder_); }

void MonitorCore::StopTimers() {
  soundTimers_.StopPending();
  ports_.timers.KillTimer(kCountdownTimerId);
}

}  // namespace orvix
