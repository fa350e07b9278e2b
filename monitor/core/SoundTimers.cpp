#include "core/SoundTimers.h"

namespace orvix {
namespace {

// 601..608 without 604, which no sound uses.
bool IsSoundTimer(unsigned id) {
  return id >= kProfileSoundTimerId && id <= kVolumeDownSoundTimerId && id != kDpiSoundTimerId + 1;
}

}  // namespace

void SoundTimers::Schedule(unsigned timerId, int number) {
  if (!IsSoundTimer(timerId) || !MayAnnounce()) return;
  StopPending();
  pending_[timerId - kFirstId] = number;
  timers_.StartTimer(timerId, kDelayMs);
}

void SoundTimers::StopPending() {
  for (unsigned id = kFirstId; id <= kLastId; ++id) {
    timers_.KillTimer(id);
    pending_[id - kFirstId] = kNoSound;
  }
  timers_.KillTimer(kTrophyLockTimerId);
  trophyLocked_ = false;
}

void SoundTimers::PlayTrophy(int number) {
  if (countdown_.finalPhase()) return;
  StopPending();
  timers_.StartTimer(kTrophyLockTimerId, kTrophyLockMs);
  sounds_.PlayFeedbackSound(number);
  trophyLocked_ = true;
}

bool SoundTimers::OnTimer(unsigned timerId) {
  if (timerId == kTrophyLockTimerId) {
    timers_.KillTimer(timerId);
    trophyLocked_ = false;
    return true;
  }
  if (!IsSoundTimer(timerId)) return false;
  timers_.KillTimer(timerId);
  const int number = pending_[timerId - kFirstId];
  pending_[timerId - kFirstId] = kNoSound;
  // A late expiry of a timer that was already stopped plays nothing.
  if (number != kNoSound) sounds_.PlayFeedbackSound(number);
  return true;
}

}  // namespace orvix
