// A virtual mouse for tests: its events and saves are recorded, its sleeps counted.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Firmware.h"
#include "HostEvents.h"
#include "MouseMemory.h"

namespace orvix::test {

struct RecordingSink : vmouse::EventSink {
  std::vector<vmouse::MouseEvent> events;
  std::vector<bool> arrivals;
  void DeviceEvent(std::uint16_t eventClass, std::uint16_t data) override { events.push_back({eventClass, data}); }
  void Arrival(bool arrived) override { arrivals.push_back(arrived); }
};

struct CountingStore : vmouse::MemoryStore {
  int saves = 0;
  void Save(const vmouse::MouseMemory&) override { ++saves; }
};

inline std::unique_ptr<vmouse::MouseMemory> FactoryMouseMemory() {
  auto memory = std::make_unique<vmouse::MouseMemory>();
  vmouse::FactoryMemory(*memory);
  return memory;
}

struct VirtualMouse {
  RecordingSink sink;
  CountingStore store;
  std::vector<int> sleeps;
  vmouse::Firmware firmware;

  explicit VirtualMouse(std::unique_ptr<vmouse::MouseMemory> memory = FactoryMouseMemory())
      : firmware(std::move(memory), sink, store, [this](int ms) { sleeps.push_back(ms); }) {
    firmware.OpenFeatureDevice();
  }
};

// The 16-bit sum of reports 6, 7, 8 and 26, stored low byte first in the last two bytes.
inline void Seal(std::vector<std::uint8_t>& report) {
  std::uint16_t sum = 0;
  for (std::size_t i = 0; i + 2 < report.size(); ++i) sum = static_cast<std::uint16_t>(sum + report[i]);
  report[report.size() - 2] = static_cast<std::uint8_t>(sum);
  report[report.size() - 1] = static_cast<std::uint8_t>(sum >> 8);
}

inline bool Sealed(const std::vector<std::uint8_t>& report) {
  std::uint16_t sum = 0;
  for (std::size_t i = 0; i + 2 < report.size(); ++i) sum = static_cast<std::uint16_t>(sum + report[i]);
  return report[report.size() - 2] == (sum & 0xFF) && report[report.size() - 1] == (sum >> 8);
}

}  // namespace orvix::test
