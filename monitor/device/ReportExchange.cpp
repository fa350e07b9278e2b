#include "ReportExchange.h"

#include <cstring>

#include "FeatureReports.h"

namespace orvix {
namespace {

constexpr int kSliceMs = 100;
constexpr int kPollAttempts = 10;
constexpr int kSelectPollMs = 100;

// The wait before status attempt n: the caller's first delay, then 1, 1.5 and 2 seconds.
int PollWait(int attempt, int firstDelayMs) {
  switch (attempt) {
    case 0: return firstDelayMs;
    case 1: return 1000;
    case 2: return 1500;
    default: return 2000;
  }
}

}  // namespace

ReportExchange::ReportExchange(FeatureDevice& device, std::mutex& sequenceLock, Sleeper& sleeper,
                               const std::atomic<bool>* abort)
    : device_(device), lock_(sequenceLock), sleeper_(sleeper), abort_(abort) {}

bool ReportExchange::Pause(int milliseconds) {
  for (int slice = 0; slice < milliseconds / kSliceMs; ++slice) {
    if (aborted()) return false;
    sleeper_.Sleep(kSliceMs);
  }
  return !aborted();
}

bool ReportExchange::PollStatus(int firstDelayMs) {
  int status = 0;
  bool lastReadDone = false;
  for (int attempt = 0; attempt < kPollAttempts; ++attempt) {
    if (!Pause(PollWait(attempt, firstDelayMs))) return false;
    Report<kStatusLength> report{kReportSelect};
    lastReadDone = ReadLocked(report.data(), kStatusLength);
    if (lastReadDone) status = DecodeStatus(report);  // a failed read keeps the previous status
    if (status != kStatusBusy) break;
  }
  return lastReadDone && status == kStatusDone;
}

bool ReportExchange::WriteAndPoll(std::uint8_t* report, int length, int firstDelayMs, int settleMs) {
  std::lock_guard lock(lock_);
  if (!device_.WriteReport(report, length)) return false;
  if (settleMs > 0 && !Pause(settleMs)) return false;
  return PollStatus(firstDelayMs);
}

bool ReportExchange::SelectThenRead(int profile, std::uint8_t selector, std::uint8_t* report, int length) {
  std::lock_guard lock(lock_);
  Report<kSelectLength> select = EncodeSelect(profile, selector);
  // Only a select the mouse confirmed: otherwise the read would return whatever was
  // selected before, and it would be stored as the wrong profile or button.
  if (!device_.WriteReport(select.data(), kSelectLength) || !PollStatus(kSelectPollMs)) return false;
  return ReadLocked(report, length);
}

bool ReportExchange::Read(std::uint8_t* report, int length) {
  std::lock_guard lock(lock_);
  return ReadLocked(report, length);
}

bool ReportExchange::ReadLocked(std::uint8_t* report, int length) {
  const std::uint8_t id = report[0];
  std::memset(report, 0, static_cast<std::size_t>(length));
  report[0] = id;
  return device_.ReadReport(report, length);
}

}  // namespace orvix
