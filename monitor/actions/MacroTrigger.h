// A macro button press on the window thread: starts the slot's macro on the macro thread,
// or stops the one that plays.
#pragma once

#include <functional>

#include "ButtonAssignment.h"
#include "MacroPlayer.h"

namespace orvix {

enum class MacroTriggerResult { kIgnored, kStarted, kStopRequested };

// `postPlay` hands the playback to the macro thread (false: it could not be posted).
MacroTriggerResult TriggerMacro(const ButtonAssignment& slot, MacroPlaybackState& state, PlaybackClock& clock,
                                const std::function<bool()>& postPlay);

// The macro thread's job.
void RunMacroJob(MacroPlaybackState& state, const MacroPlayerPorts& ports);

// Asks a playing macro to stop (unplug, shut-down); its held keys are then released.
void StopMacro(MacroPlaybackState& state, PlaybackClock& clock);

}  // namespace orvix
