// The countdown of an acceptance dialog: a change the device tries (a lift-off level, a
// calibration) counts as refused when the user lets the time run out.
#pragma once

namespace orvix {

class Countdown {
 public:
  // `seconds` is at least 1.
  explicit Countdown(int seconds) : total_(seconds > 0 ? seconds : 1), remaining_(total_) {}

  int total() const { return total_; }
  int remaining() const { return remaining_; }
  bool expired() const { return remaining_ == 0; }

  // One second has passed. True when the time has just run out.
  bool Tick() {
    if (remaining_ == 0) return false;
    return --remaining_ == 0;
  }

 private:
  int total_;
  int remaining_;
};

// The lift-off trial's and the calibration's times.
inline constexpr int kLiftOffAcceptSeconds = 30;
inline constexpr int kCalibrationAcceptSeconds = 15;

}  // namespace orvix
