// Synthetic input through keybd_event and mouse_event, and playback time with
// millisecond waits on a system whose plain Sleep ticks every 15.6 ms.
#pragma once

#include <windows.h>

#include <atomic>

#include "WinHandles.h"
#include "actions/SyntheticInput.h"

namespace orvix {

class SystemInput : public InputSink {
 public:
  void Key(std::uint8_t virtualKey, std::uint8_t scanCode, bool up) override;
  void Mouse(std::uint32_t flags, std::int32_t data) override;
};

class PrecisionClock : public PlaybackClock {
 public:
  PrecisionClock();
  PlaybackTime Now() const override;
  bool SleepUntil(PlaybackTime deadline) override;
  void Interrupt() override;
  void ClearInterrupt() override;
  // Whether waits are precise without timeBeginPeriod(1).
  bool highResolution() const { return highResolution_; }

 private:
  bool SleepInSlices(PlaybackTime deadline);
  bool SleepOnTimer(PlaybackTime deadline);

  LARGE_INTEGER frequency_{};
  KernelHandle timer_;
  KernelHandle interrupt_;
  std::atomic<bool> interrupted_{false};
  bool preciseDelays_ = false;  // short native delays keep their length (Wine)
  bool highResolution_ = false;
};

// While alive, waits of the whole process are precise to a millisecond: a high-resolution
// waitable timer needs nothing, older systems get timeBeginPeriod(1), restored at the end.
class MillisecondTimerScope {
 public:
  explicit MillisecondTimerScope(bool needed);
  ~MillisecondTimerScope();
  MillisecondTimerScope(const MillisecondTimerScope&) = delete;
  MillisecondTimerScope& operator=(const MillisecondTimerScope&) = delete;

 private:
  bool raised_ = false;
};

// Windows 11 ignores timer-resolution requests of a process whose windows are all hidden
// (ours) unless it opts out of that power-throttling rule. Called once at start.
void KeepTimerResolutionWhenHidden();

}  // namespace orvix
