// Fakes around the portable device link: a sleeper that only counts, the virtual mouse
// as a FeatureDevice, a recorder of the reports that pass, and a host that records.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "device/DeviceSequences.h"
#include "device/FeatureDevice.h"
#include "FirmwareFixture.h"

namespace orvix::test {

// Time passes only in the sum; `at` runs once the sum reaches `atMs` (to abort mid-pause).
struct FakeSleeper : Sleeper {
  long total = 0;
  int calls = 0;
  long atMs = -1;
  std::function<void()> at;
  void Sleep(int ms) override {
    total += ms;
    ++calls;
    if (at && atMs >= 0 && total >= atMs) std::exchange(at, nullptr)();
  }
};

// The virtual mouse behind the portable device interface, with every report logged as
// "W<id>" or "R<id>" and reads of chosen ids made to fail.
struct MouseDevice : FeatureDevice {
  VirtualMouse& mouse;
  std::vector<std::string> log;
  std::vector<int> failReadsOf;
  explicit MouseDevice(VirtualMouse& m) : mouse(m) {}
  bool WriteReport(std::uint8_t* report, int length) override {
    log.push_back("W" + std::to_string(report[0]));
    return mouse.firmware.SetFeature(report, length);
  }
  bool ReadReport(std::uint8_t* report, int length) override {
    log.push_back("R" + std::to_string(report[0]));
    for (int id : failReadsOf)
      if (id == report[0]) return false;
    return mouse.firmware.GetFeature(report, length);
  }
  int Count(const std::string& entry) const {
    int n = 0;
    for (const auto& e : log) n += e == entry;
    return n;
  }
};

struct RecordingHost : DeviceHost {
  std::vector<std::string> calls;
  int firmwareVersion = -1;
  void StoreFirmwareVersion(int version) override {
    firmwareVersion = version;
    calls.push_back("version");
  }
  void SaveConfiguration() override { calls.push_back("save"); }
  void PublishDeviceRead() override { calls.push_back("publish"); }
  void SensorImageReady() override { calls.push_back("image"); }
};

// A monitor's device link against the virtual mouse, as the device I/O thread has it.
struct DeviceBench {
  VirtualMouse mouse;
  MouseDevice device{mouse};
  FakeSleeper sleeper;
  std::mutex lock;
  std::atomic<bool> abort{false};
  ReportExchange exchange{device, lock, sleeper, &abort};
  std::unique_ptr<SharedDataBlock> local = std::make_unique<SharedDataBlock>();
  CalibrationState calibration;
  RecordingHost host;
  DeviceSequences sequences{exchange, *local, calibration, host};
  ProfileRecord& profile(int p) { return local->config.profiles[p]; }
};

}  // namespace orvix::test
