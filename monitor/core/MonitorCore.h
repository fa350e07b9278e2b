// The monitor's reactions to the mouse and to the foreground program: device events,
// feedback sounds and their timers, the countdown, game-profile switching and the usage
// statistics. CMonitorWnd owns one and forwards the messages and timers named below.
#pragma once

#include <cstdint>
#include <string>

#include "SharedDataBlock.h"
#include "core/Countdown.h"
#include "core/DeviceEvent.h"
#include "core/FeedbackSound.h"
#include "core/MonitorPorts.h"
#include "core/SoundTimers.h"

namespace orvix {

class MonitorCore {
 public:
  // `local` is the monitor's local copy of the shared block; it must outlive the core.
  // `installFolder` ends with a backslash.
  MonitorCore(const MonitorPorts& ports, SharedDataBlock& local, std::string installFolder);

  // WM_MON_DEVICE_EVENT (1325) and WM_MON_DEVICE_ARRIVAL (1326); both answer 1.
  void OnDeviceEventMessage(std::uintptr_t wParam, std::intptr_t lParam);
  void OnDeviceArrivalMessage(std::uintptr_t wParam);
  void HandleDeviceEvent(DeviceEventCode code);

  // WM_TIMER for 600, 601..608 and 610; false for any other id (not the core's).
  bool OnTimer(unsigned id);
  // Expiry of timer 500.
  void OnForegroundCheck();

  // Start-up: "RunsStart.ini" with the time of the first run.
  void WriteFirstRunRecord();

  // Button functions "timer" and "stop timer".
  void StartCountdown(int seconds) { countdown_.Start(seconds); }
  void StopCountdown() { countdown_.Stop(); }

  void SwitchToProfile(int profile);
  void PlayFeedbackSound(int number) { sounds_.Play(number); }

  // Shut-down: kills the sound timers and the countdown timer.
  void StopTimers();

  const Countdown& countdown() const { return countdown_; }
  const SoundTimers& soundTimers() const { return soundTimers_; }

 private:
  void OnProfileEvent(int data);
  void OnDpiLevelEvent(int data);
  void OnSensitivityEvent(std::uint8_t a, std::uint8_t b);
  void OnPollingRateEvent(int data);
  void OnVolumeEvent(std::uint8_t a, std::uint8_t b);
  void OnCounterEvent(std::uint16_t eventClass, std::uint16_t increment);
  void OnCompanionButton(std::uint8_t a, std::uint8_t b);
  void OnArrival();
  void OnRemoval();
  // A sound switch of the current profile is 1; off when there is no valid current profile.
  bool SoundSwitchOn(std::int32_t ProfileRecord::*soundSwitch) const;
  void PublishLevelChange();

  MonitorPorts ports_;
  SharedDataBlock& local_;
  std::string installFolder_;
  FeedbackSoundPlayer sounds_;
  Countdown countdown_;
  SoundTimers soundTimers_;
};

}  // namespace orvix
