// Replays a macro's key and mouse-button events with their recorded delays.
#pragma once

#include <atomic>

#include "ButtonAssignment.h"
#include "SyntheticInput.h"

namespace orvix {

// Shared by the window thread (which starts and stops playback) and the macro thread.
struct MacroPlaybackState {
  MacroEvent events[kMaxMacroEvents]{};
  int eventCount = 0;
  int loopCount = 1;
  std::atomic<int> currentIndex{0};
  // Set when a playback is handed to the macro thread, cleared when the player returns.
  std::atomic<bool> playing{false};
  std::atomic<bool> stop{false};
  int remainingLoops = 0;  // diagnostic only
};

struct MacroPlayerPorts {
  InputSink& input;
  const KeyTranslator& keys;
  PlaybackClock& clock;
  TraceSink& trace;
};

// Plays events start..end-1 `loops` times, or until `state.stop` is set. Whatever the macro
// pressed and has not released is let go at the end, newest first, 50 ms apart.
void PlayMacro(const MacroEvent* events, int start, int end, int loops, MacroPlaybackState& state,
               const MacroPlayerPorts& ports);

constexpr int kAutoRepeatAfterMs = 500;
constexpr int kAutoRepeatStepMs = 33;
constexpr int kReleaseStepMs = 50;

}  // namespace orvix
