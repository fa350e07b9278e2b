// What the monitor's portable core needs from the program around it. The Windows side
// implements these with window timers, PostMessage, the shared mapping, private-profile
// files, PlaySound and friends; the tests implement them with fakes. Every port is called
// on the window thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "ButtonAssignment.h"
#include "ProfileRecord.h"
#include "StatisticsBlock.h"

namespace orvix {

// Window timers of CMonitorWnd. Starting a running timer restarts it with the new period.
class TimerPort {
 public:
  virtual ~TimerPort() = default;
  virtual void StartTimer(unsigned id, unsigned milliseconds) = 0;
  virtual void KillTimer(unsigned id) = 0;
};

// Messages to other windows and to the monitor's own threads.
class MessengerPort {
 public:
  virtual ~MessengerPort() = default;
  virtual bool WindowExists(const char* title) = 0;
  // Posts to the window with that title; false (and nothing sent) when there is none.
  virtual bool PostToWindow(const char* title, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // Posts to CMonitorWnd itself (WM_CLOSE, WM_COMMAND 6001).
  virtual void PostToSelf(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // WM_MON_DEVICE_JOB to the device I/O thread.
  virtual void PostDeviceJob(unsigned job, std::intptr_t lParam) = 0;
};

// Whole-block copy of the monitor's local block out to the shared mapping, under its mutex.
// False when the mapping is missing or the mutex was not acquired.
class BlockExchangePort {
 public:
  virtual ~BlockExchangePort() = default;
  virtual bool CopyOut() = 0;
};

// Single-key updates of "config.ini".
class ConfigFilePort {
 public:
  virtual ~ConfigFilePort() = default;
  virtual void WriteCurrentProfile(int slot) = 0;
  virtual void WriteInfoData(const StatisticsBlock& statistics) = 0;
  virtual void WriteDeviceState(int connected) = 0;  // "Device" of section "Setting", 1 or 0
};

// Writes the profile's Windows pointer values to the registry and puts them into effect.
class PointerSettingsPort {
 public:
  virtual ~PointerSettingsPort() = default;
  virtual void ApplyPointerSettings(const ProfileRecord& profile) = 0;
};

// The system's sound output. Play starts asynchronous playback of a whole wave file held in
// memory and returns at once; the memory must stay untouched until the next Purge. `path`
// names the file the wave came from, for the debugger trace.
class SoundOutputPort {
 public:
  virtual ~SoundOutputPort() = default;
  virtual void Purge() = 0;
  virtual void Play(const std::uint8_t* wave, std::size_t size, const std::string& path) = 0;
};

// Memory for the sound buffer: committed and locked, so that playback never pages.
class SoundMemoryPort {
 public:
  virtual ~SoundMemoryPort() = default;
  virtual std::size_t PageSize() = 0;
  // `bytes` is a multiple of the page size; nullptr on failure.
  virtual std::uint8_t* Allocate(std::size_t bytes) = 0;
  virtual void Free(std::uint8_t* memory, std::size_t bytes) = 0;
};

// An opened file, read from its start.
class ReadableFile {
 public:
  virtual ~ReadableFile() = default;
  virtual std::uint64_t Length() = 0;
  // Reads up to `size` bytes; returns how many were read.
  virtual std::size_t Read(std::uint8_t* into, std::size_t size) = 0;
};

class FileReaderPort {
 public:
  virtual ~FileReaderPort() = default;
  // nullptr when the file cannot be opened.
  virtual std::unique_ptr<ReadableFile> Open(const std::string& path) = 0;
};

// Small INI files of the installation folder ("RunsStart.ini").
class IniFilePort {
 public:
  virtual ~IniFilePort() = default;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool CreateEmptyFile(const std::string& path) = 0;
  virtual bool WriteInt(const std::string& path, const char* section, const char* key, int value) = 0;
};

struct LocalTime {
  int year;
  int month;   // 1..12
  int day;     // 1..31
  int hour;    // 0..23
  int minute;  // 0..59
};

class ClockPort {
 public:
  virtual ~ClockPort() = default;
  virtual LocalTime Now() = 0;
};

// Button events that the host carries out (macros, shortcuts, media players, scrolling,
// programs, the configuration program); called with the full device event code.
class HostButtonPort {
 public:
  virtual ~HostButtonPort() = default;
  virtual void DispatchHostButtonEvent(std::uint32_t eventCode) = 0;
};

// What device events and profile switches tell the companion application.
class CompanionPort {
 public:
  virtual ~CompanionPort() = default;
  virtual void ResetLightToggle() = 0;
  virtual void SendDpiTable() = 0;
  virtual void SendDeviceStatus(bool connected) = 0;
  // Device event class 0xFF00: `slot` of the current profile, `highByte` 0 = press.
  virtual void ButtonFunction(const ButtonAssignment& slot, std::uint8_t highByte) = 0;
};

class TrayPort {
 public:
  virtual ~TrayPort() = default;
  // Shows or removes the icon by the device state and the companion takeover.
  virtual void UpdateTrayIcon() = 0;
};

// The device connection. The device state (0 never connected, 1 connected, 2 removed) is
// also read by the device I/O thread, so the Windows side owns it.
class DevicePort {
 public:
  virtual ~DevicePort() = default;
  virtual int DeviceState() = 0;
  virtual void SetDeviceState(int state) = 0;
  // The mouse needs a moment after its arrival before it answers (2000 ms).
  virtual void WaitAfterArrival() = 0;
  virtual void OpenFeatureDevice() = 0;
  virtual void CloseFeatureDevice() = 0;
  // True when the firmware updater was started (the monitor then closes itself).
  virtual bool RunFirmwareCheck() = 0;
  // Sets the abort flag when the device I/O thread is busy.
  virtual void AbortRunningJob() = 0;
};

// Lower-case executable file name of the program that owns the foreground window;
// nothing when it cannot be found.
class ForegroundPort {
 public:
  virtual ~ForegroundPort() = default;
  virtual std::optional<std::string> ForegroundExecutableName() = 0;
};

// Everything the core calls, gathered for its constructor.
struct MonitorPorts {
  TimerPort& timers;
  MessengerPort& messenger;
  BlockExchangePort& block;
  ConfigFilePort& config;
  PointerSettingsPort& pointer;
  SoundOutputPort& soundOutput;
  SoundMemoryPort& soundMemory;
  FileReaderPort& files;
  IniFilePort& ini;
  ClockPort& clock;
  HostButtonPort& hostButtons;
  CompanionPort& companion;
  TrayPort& tray;
  DevicePort& device;
  ForegroundPort& foreground;
};

// Timers owned by the core (the Windows side forwards their WM_TIMER to MonitorCore::OnTimer).
inline constexpr unsigned kCountdownTimerId = 600;
inline constexpr unsigned kProfileSoundTimerId = 601;
inline constexpr unsigned kWindowsProfileSoundTimerId = 602;
inline constexpr unsigned kDpiSoundTimerId = 603;
inline constexpr unsigned kSensitivityUpSoundTimerId = 605;
inline constexpr unsigned kSensitivityDownSoundTimerId = 606;
inline constexpr unsigned kVolumeUpSoundTimerId = 607;
inline constexpr unsigned kVolumeDownSoundTimerId = 608;
inline constexpr unsigned kTrophyLockTimerId = 610;
// Started and stopped by the core on arrival and removal; its expiry runs the
// foreground check (MonitorCore::OnForegroundCheck).
inline constexpr unsigned kForegroundCheckTimerId = 500;
inline constexpr unsigned kForegroundCheckPeriodMs = 2000;

}  // namespace orvix
