#include "core/Countdown.h"

namespace orvix {
namespace {

constexpr int kSoundGo = 0;
constexpr int kSoundTenSeconds = 10;
constexpr int kSoundTimerStopped = 18;
constexpr int kSoundTimerActivated = 19;
constexpr int kFinalPhaseSeconds = 5;

bool IsCalledOut(int seconds) { return seconds == 10 || (seconds >= 1 && seconds <= 5); }

}  // namespace

void Countdown::Start(int seconds) {
  if (seconds <= 0) return;
  if (running_) timers_.KillTimer(kCountdownTimerId);
  running_ = true;
  // A countdown that replaces one in its last seconds starts outside the final phase.
  finalPhase_ = false;
  remaining_ = seconds;
  sounds_.PlayFeedbackSound(kSoundTimerActivated);
  timers_.StartTimer(kCountdownTimerId, kTickMs);
  if (remaining_ == 10) sounds_.PlayFeedbackSound(kSoundTenSeconds);
}

void Countdown::Stop() {
  if (!running_) return;
  timers_.KillTimer(kCountdownTimerId);
  running_ = false;
  finalPhase_ = false;
  sounds_.PlayFeedbackSound(kSoundTimerStopped);
}

void Countdown::Tick() {
  // A tick that was already queued when the countdown stopped changes nothing.
  if (!running_) {
    timers_.KillTimer(kCountdownTimerId);
    return;
  }
  --remaining_;
  if (remaining_ <= kFinalPhaseSeconds) finalPhase_ = true;
  if (IsCalledOut(remaining_)) {
    sounds_.PlayFeedbackSound(remaining_);
    return;
  }
  if (remaining_ <= 0) {
    timers_.KillTimer(kCountdownTimerId);
    running_ = false;
    finalPhase_ = false;
    sounds_.PlayFeedbackSound(kSoundGo);
  }
}

}  // namespace orvix
