// The units every report sequence is made of: a pause, a write followed by status
// polling, select-then-read and a plain read. Each unit holds the sequence lock, so the
// window thread and the device I/O thread never interleave their reports (a select and
// the read it prepares must follow each other). Every wait is taken in 100 ms slices and
// ends early when the abort flag is set.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

#include "FeatureDevice.h"

namespace orvix {

class ReportExchange {
 public:
  // `abort` may be null: a sequence that nothing interrupts.
  ReportExchange(FeatureDevice& device, std::mutex& sequenceLock, Sleeper& sleeper, const std::atomic<bool>* abort);

  // A pause of `milliseconds` ÷ 100 slices; false when the abort flag ended it.
  bool Pause(int milliseconds);
  bool aborted() const { return abort_ != nullptr && abort_->load(); }

  // Writes the report; when the library took it, waits `settleMs` and polls the status
  // with `firstDelayMs`. True when the mouse reported the command done.
  bool WriteAndPoll(std::uint8_t* report, int length, int firstDelayMs, int settleMs = 0);
  // Report 4 with the selector, polling with 100 ms, then, when the mouse confirmed the
  // select, the read of `report` (its id in byte 0). True when the library read it; the
  // checksum is the decoder's to check.
  bool SelectThenRead(int profile, std::uint8_t selector, std::uint8_t* report, int length);
  // Zero-fills `report` after its id and reads it.
  bool Read(std::uint8_t* report, int length);

  template <std::size_t N>
  bool WriteAndPoll(std::array<std::uint8_t, N>& report, int firstDelayMs, int settleMs = 0) {
    return WriteAndPoll(report.data(), static_cast<int>(N), firstDelayMs, settleMs);
  }
  template <std::size_t N>
  bool SelectThenRead(int profile, std::uint8_t selector, std::array<std::uint8_t, N>& report) {
    return SelectThenRead(profile, selector, report.data(), static_cast<int>(N));
  }
  template <std::size_t N>
  bool Read(std::array<std::uint8_t, N>& report) {
    return Read(report.data(), static_cast<int>(N));
  }

 private:
  // Status polling of report 4; the lock is held.
  bool PollStatus(int firstDelayMs);
  bool ReadLocked(std::uint8_t* report, int length);

  FeatureDevice& device_;
  std::mutex& lock_;
  Sleeper& sleeper_;
  const std::atomic<bool>* abort_;
};

}  // namespace orvix
