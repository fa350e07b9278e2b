// The feedback sounds that wait 500 ms on a one-shot timer (601..608), so that a quick
// series of changes announces only the last one, and the trophy-sound lock (timer 610)
// that keeps an achievement sound from being cut off by them.
#pragma once

#include <array>

#include "core/Countdown.h"
#include "core/FeedbackSound.h"
#include "core/MonitorPorts.h"

namespace orvix {

class SoundTimers {
 public:
  static constexpr unsigned kDelayMs = 500;
  static constexpr unsigned kTrophyLockMs = 4000;

  SoundTimers(TimerPort& timers, FeedbackSounds& sounds, const Countdown& countdown)
      : timers_(timers), sounds_(sounds), countdown_(countdown) {}

  // Whether an announcement may be scheduled now: not during the countdown's final phase,
  // not while a trophy sound is protected.
  bool MayAnnounce() const { return !countdown_.finalPhase() && !trophyLocked_; }

  // Stops every pending sound, then plays `number` after 500 ms on timer `timerId`
  // (601..608). Does nothing when MayAnnounce() is false or the id is not a sound timer.
  void Schedule(unsigned timerId, int number);

  // Kills 601..608 and 610 and clears the trophy-sound lock.
  void StopPending();

  // Plays an achievement sound at once and protects it for 4000 ms. Not during the
  // countdown's final phase.
  void PlayTrophy(int number);

  // Timers 601..608 play their sound, 610 ends the lock; false for other ids.
  bool OnTimer(unsigned timerId);

  bool trophyLocked() const { return trophyLocked_; }

 private:
  static constexpr unsigned kFirstId = kProfileSoundTimerId;
  static constexpr unsigned kLastId = kVolumeDownSoundTimerId;
  static constexpr int kNoSound = -1;

  TimerPort& timers_;
  FeedbackSounds& sounds_;
  const Countdown& countdown_;
  std::array<int, kLastId - kFirstId + 1> pending_{kNoSound, kNoSound, kNoSound, kNoSound,
                                                   kNoSound, kNoSound, kNoSound, kNoSound};
  bool trophyLocked_ = false;
};

}  // namespace orvix
