// Recording fakes of every port of the monitor core.
#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/MonitorPorts.h"

namespace orvix::test {

class FakeTimers : public TimerPort {
 public:
  void StartTimer(unsigned id, unsigned milliseconds) override { running[id] = milliseconds; }
  void KillTimer(unsigned id) override { running.erase(id); }
  bool IsRunning(unsigned id) const { return running.count(id) != 0; }
  std::map<unsigned, unsigned> running;  // id -> period
};

struct PostedMessage {
  std::string title;
  unsigned message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
};

class FakeMessenger : public MessengerPort {
 public:
  bool WindowExists(const char* title) override { return windows.count(title) != 0; }
  bool PostToWindow(const char* title, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
    if (!WindowExists(title)) return false;
    posted.push_back({title, message, wParam, lParam});
    return true;
  }
  void PostToSelf(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
    toSelf.push_back({"self", message, wParam, lParam});
  }
  void PostDeviceJob(unsigned job, std::intptr_t lParam) override { jobs.push_back({job, lParam}); }

  std::vector<unsigned> MessagesTo(const std::string& title) const {
    std::vector<unsigned> out;
    for (const auto& m : posted)
      if (m.title == title) out.push_back(m.message);
    return out;
  }

  std::set<std::string> windows;
  std::vector<PostedMessage> posted;
  std::vector<PostedMessage> toSelf;
  std::vector<std::pair<unsigned, std::intptr_t>> jobs;
};

class FakeBlockExchange : public BlockExchangePort {
 public:
  bool CopyOut() override {
    ++copiesOut;
    return true;
  }
  int copiesOut = 0;
};

class FakeConfigFile : public ConfigFilePort {
 public:
  void WriteCurrentProfile(int slot) override { currentProfile.push_back(slot); }
  void WriteInfoData(const StatisticsBlock& statistics) override { infoData.push_back(statistics); }
  void WriteDeviceState(int connected) override { deviceState.push_back(connected); }
  std::vector<int> currentProfile;
  std::vector<StatisticsBlock> infoData;
  std::vector<int> deviceState;
};

class FakePointerSettings : public PointerSettingsPort {
 public:
  void ApplyPointerSettings(const ProfileRecord& profile) override { applied.push_back(&profile); }
  std::vector<const ProfileRecord*> applied;
};

class FakeSoundOutput : public SoundOutputPort {
 public:
  void Purge() override { ++purges; }
  void Play(const std::uint8_t* wave, std::size_t size, const std::string& path) override {
    played.emplace_back(wave, wave + size);
    playedPaths.push_back(path);
    playedFrom.push_back(wave);
  }
  int purges = 0;
  std::vector<std::vector<std::uint8_t>> played;
  std::vector<const std::uint8_t*> playedFrom;
  std::vector<std::string> playedPaths;
};

class FakeSoundMemory : public SoundMemoryPort {
 public:
  ~FakeSoundMemory() override {
    for (auto& [memory, bytes] : live) delete[] memory;
  }
  std::size_t PageSize() override { return pageSize; }
  std::uint8_t* Allocate(std::size_t bytes) override {
    allocations.push_back(bytes);
    if (failAllocations) return nullptr;
    auto* memory = new std::uint8_t[bytes];
    live[memory] = bytes;
    return memory;
  }
  void Free(std::uint8_t* memory, std::size_t bytes) override {
    auto it = live.find(memory);
    freedWithWrongSize = freedWithWrongSize || it == live.end() || it->second != bytes;
    if (it != live.end()) live.erase(it);
    delete[] memory;
  }
  std::size_t pageSize = 4096;
  bool failAllocations = false;
  bool freedWithWrongSize = false;
  std::vector<std::size_t> allocations;
  std::map<std::uint8_t*, std::size_t> live;
};

// Files held in memory. A file may claim a length other than its content (a file that
// changed between the length and the read).
class FakeFiles : public FileReaderPort {
 public:
  struct File {
    std::vector<std::uint8_t> bytes;
    std::optional<std::uint64_t> claimedLength;
  };

  std::unique_ptr<ReadableFile> Open(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) {
      if (!anyPathIsWave) return nullptr;
      it = files.emplace(path, File{Wave({1000, -1000}), std::nullopt}).first;
    }
    opened.push_back(path);
    return std::make_unique<Opened>(it->second);
  }

  // A canonical wave file with these samples.
  static std::vector<std::uint8_t> Wave(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> wave(44 + samples.size() * 2);
    std::memcpy(wave.data(), "RIFF", 4);
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    const std::uint32_t riffSize = dataSize + 36;
    std::memcpy(wave.data() + 4, &riffSize, 4);
    std::memcpy(wave.data() + 8, "WAVEfmt ", 8);
    std::memcpy(wave.data() + 36, "data", 4);
    std::memcpy(wave.data() + 40, &dataSize, 4);
    std::memcpy(wave.data() + 44, samples.data(), samples.size() * 2);
    return wave;
  }

  // Names of the sound files opened, without their folder, in order.
  std::vector<std::string> Spoken() const {
    std::vector<std::string> names;
    for (const auto& path : opened) names.push_back(path.substr(path.find_last_of('\\') + 1));
    return names;
  }

  std::map<std::string, File> files;
  bool anyPathIsWave = true;
  std::vector<std::string> opened;

 private:
  class Opened : public ReadableFile {
   public:
    explicit Opened(const File& file) : file_(file) {}
    std::uint64_t Length() override { return file_.claimedLength.value_or(file_.bytes.size()); }
    std::size_t Read(std::uint8_t* into, std::size_t size) override {
      const std::size_t n = std::min(size, file_.bytes.size());
      std::memcpy(into, file_.bytes.data(), n);
      return n;
    }

   private:
    const File& file_;
  };
};

class FakeIni : public IniFilePort {
 public:
  bool FileExists(const std::string& path) override { return existing.count(path) != 0; }
  bool CreateEmptyFile(const std::string& path) override {
    if (failCreate) return false;
    existing.insert(path);
    return true;
  }
  bool WriteInt(const std::string& path, const char* section, const char* key, int value) override {
    values[path + "|" + section + "|" + key] = value;
    return true;
  }
  bool failCreate = false;
  std::set<std::string> existing;
  std::map<std::string, int> values;
};

class FakeClock : public ClockPort {
 public:
  LocalTime Now() override { return now; }
  LocalTime now{2024, 3, 9, 14, 5};
};

class FakeHostButtons : public HostButtonPort {
 public:
  void DispatchHostButtonEvent(std::uint32_t eventCode) override { codes.push_back(eventCode); }
  std::vector<std::uint32_t> codes;
};

class FakeCompanion : public CompanionPort {
 public:
  void ResetLightToggle() override { calls.push_back("reset light"); }
  void SendDpiTable() override { calls.push_back("dpi table"); }
  void SendDeviceStatus(bool connected) override { calls.push_back(connected ? "connected" : "not connected"); }
  void ButtonFunction(const ButtonAssignment& slot, std::uint8_t highByte) override {
    buttons.push_back({&slot, highByte});
  }
  std::vector<std::string> calls;
  std::vector<std::pair<const ButtonAssignment*, std::uint8_t>> buttons;
};

class FakeTray : public TrayPort {
 public:
  void UpdateTrayIcon() override { ++updates; }
  int updates = 0;
};

class FakeDevice : public DevicePort {
 public:
  int DeviceState() override { return state; }
  void SetDeviceState(int s) override { state = s; }
  void WaitAfterArrival() override { calls.push_back("wait"); }
  void OpenFeatureDevice() override { calls.push_back("open"); }
  void CloseFeatureDevice() override { calls.push_back("close"); }
  bool RunFirmwareCheck() override {
    calls.push_back("firmware");
    return updaterStarts;
  }
  void AbortRunningJob() override { calls.push_back("abort"); }
  int state = 1;
  bool updaterStarts = false;
  std::vector<std::string> calls;
};

class FakeForeground : public ForegroundPort {
 public:
  std::optional<std::string> ForegroundExecutableName() override { return program; }
  std::optional<std::string> program;
};

// All of them, wired into the ports aggregate.
struct FakePorts {
  FakeTimers timers;
  FakeMessenger messenger;
  FakeBlockExchange block;
  FakeConfigFile config;
  FakePointerSettings pointer;
  FakeSoundOutput soundOutput;
  FakeSoundMemory soundMemory;
  FakeFiles files;
  FakeIni ini;
  FakeClock clock;
  FakeHostButtons hostButtons;
  FakeCompanion companion;
  FakeTray tray;
  FakeDevice device;
  FakeForeground foreground;

  MonitorPorts Ports() {
    return {timers, messenger, block,     config,      pointer, soundOutput, soundMemory, files,
            ini,    clock,     hostButtons, companion, tray,    device,      foreground};
  }
};

}  // namespace orvix::test
