// The monitor core's ports that only need the system: window timers, messages, sound
// output and its locked memory, files, small INI files, the clock, the foreground program.
#pragma once

#include <windows.h>

#include <functional>

#include "core/MonitorPorts.h"

namespace orvix {

class WindowTimers : public TimerPort {
 public:
  explicit WindowTimers(HWND window) : window_(window) {}
  void StartTimer(unsigned id, unsigned milliseconds) override { ::SetTimer(window_, id, milliseconds, nullptr); }
  void KillTimer(unsigned id) override { ::KillTimer(window_, id); }

 private:
  HWND window_;
};

class WindowMessenger : public MessengerPort {
 public:
  WindowMessenger(HWND window, std::function<void(unsigned, std::intptr_t)> postDeviceJob)
      : window_(window), postDeviceJob_(std::move(postDeviceJob)) {}
  bool WindowExists(const char* title) override;
  bool PostToWindow(const char* title, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
  void PostToSelf(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
  void PostDeviceJob(unsigned job, std::intptr_t lParam) override;

 private:
  HWND window_;
  std::function<void(unsigned, std::intptr_t)> postDeviceJob_;
};

// PlaySound from memory, asynchronously, without waiting for a busy sound device. Each sound
// leaves a trace line with its file name, also when the system has no sound device.
class SystemSound : public SoundOutputPort {
 public:
  void Purge() override;
  void Play(const std::uint8_t* wave, std::size_t size, const std::string& path) override;
};

// Committed and locked pages, so that playback from memory never pages.
class LockedSoundMemory : public SoundMemoryPort {
 public:
  std::size_t PageSize() override;
  std::uint8_t* Allocate(std::size_t bytes) override;
  void Free(std::uint8_t* memory, std::size_t bytes) override;
};

class SystemFiles : public FileReaderPort {
 public:
  std::unique_ptr<ReadableFile> Open(const std::string& path) override;
};

class PrivateProfileFiles : public IniFilePort {
 public:
  bool FileExists(const std::string& path) override;
  bool CreateEmptyFile(const std::string& path) override;
  bool WriteInt(const std::string& path, const char* section, const char* key, int value) override;
};

class SystemClock : public ClockPort {
 public:
  LocalTime Now() override;
};

class ForegroundProgram : public ForegroundPort {
 public:
  std::optional<std::string> ForegroundExecutableName() override;
};

}  // namespace orvix
