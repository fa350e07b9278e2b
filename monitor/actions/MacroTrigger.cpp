#include "MacroTrigger.h"

#include <algorithm>
#include <cstring>

#include "ButtonFunctionCodes.h"

namespace orvix {

MacroTriggerResult TriggerMacro(const ButtonAssignment& slot, MacroPlaybackState& state, PlaybackClock& clock,
                                const std::function<bool()>& postPlay) {
  if (slot.function != kFunctionMacro || slot.eventCount == 0) return MacroTriggerResult::kIgnored;
  if (state.playing.load()) {
    StopMacro(state, clock);
    return MacroTriggerResult::kStopRequested;
  }
  state.loopCount = slot.loopCount <= 0 ? 1 : slot.loopCount;
  state.eventCount = std::min<int>(slot.eventCount, kMaxMacroEvents);  // the slot may come from anywhere
  std::memcpy(state.events, slot.events, sizeof state.events);
  state.stop = false;
  clock.ClearInterrupt();
  state.currentIndex = 0;
  // Playing from the moment it is handed over: a second press before the thread picks the
  // job up must stop it, not queue a second playback.
  state.playing = true;
  if (!postPlay()) {
    state.playing = false;
    return MacroTriggerResult::kIgnored;
  }
  return MacroTriggerResult::kStarted;
}

void RunMacroJob(MacroPlaybackState& state, const MacroPlayerPorts& ports) {
  state.playing = true;
  PlayMacro(state.events, state.currentIndex.load(), state.eventCount, state.loopCount, state, ports);
  state.playing = false;
}

void StopMacro(MacroPlaybackState& state, PlaybackClock& clock) {
  state.stop = true;
  clock.Interrupt();
}

}  // namespace orvix
