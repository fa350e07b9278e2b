// The spoken countdown of the "timer" button function: timer 600 ticks once a second and
// the last seconds are called out. While it is in its final phase (five seconds or less
// left) the DPI, sensitivity, volume and profile announcements keep quiet.
#pragma once

#include "core/FeedbackSound.h"
#include "core/MonitorPorts.h"

namespace orvix {

class Countdown {
 public:
  static constexpr unsigned kTickMs = 1000;

  Countdown(TimerPort& timers, FeedbackSounds& sounds) : timers_(timers), sounds_(sounds) {}

  // Replaces a running countdown. A time of 0 seconds or less counts nothing down: the
  // press is ignored and a running countdown goes on.
  void Start(int seconds);
  // Only a running countdown is stopped (and says so).
  void Stop();
  // Expiry of timer 600.
  void Tick();

  bool running() const { return running_; }
  bool finalPhase() const { return finalPhase_; }
  int remaining() const { return remaining_; }

 private:
  TimerPort& timers_;
  FeedbackSounds& sounds_;
  bool running_ = false;
  bool finalPhase_ = false;
  int remaining_ = 0;
};

}  // namespace orvix
