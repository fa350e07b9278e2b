#include "HostActions_win.h"

#include <shellapi.h>

#include <algorithm>

#include "Launcher_win.h"
#include "Messages.h"
#include "actions/HorizontalScroll_win.h"
#include "actions/MacroTrigger.h"

namespace orvix {

MonitorHostActions::MonitorHostActions(Context context)
    : context_(std::move(context)), players_(context_.window) {}

MonitorHostActions::~MonitorHostActions() { StopMacroThread(); }

bool MonitorHostActions::StartMacroThread() {
  return macroThread_.Start([this](UINT message, WPARAM, LPARAM) {
    if (message != WM_MON_PLAY_MACRO) return;
    // Millisecond waits for the length of the playback only.
    MillisecondTimerScope precise(!macroClock_.highResolution());
    // A replayed macro keeps its rhythm while the machine is busy.
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
    RunMacroJob(macro_, {input_, *context_.keys, macroClock_, *this});
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_NORMAL);
  });
}

void MonitorHostActions::StopMacroThread() {
  StopMacro(macro_, macroClock_);
  macroThread_.Stop(1000);
  ReleaseEverything();
}

void MonitorHostActions::ReleaseEverything() {
  if (macro_.playing.load()) StopMacro(macro_, macroClock_);
  if (shortcutHeld_) ShortcutUp(heldShortcut_);
  input_.ReleaseAll();
}

ShortcutPorts MonitorHostActions::Shortcuts() { return {input_, *context_.keys, shortcutClock_}; }

void MonitorHostActions::ShortcutDown(ShortcutWord word) {
  if (!context_.keys) return;
  if (shortcutHeld_) ShortcutUp(heldShortcut_);  // a press without its release: let the old one go
  heldShortcut_ = word;
  shortcutHeld_ = true;
  ShortcutPress(word, Shortcuts());
  repeatStarted_ = false;
  ::SetTimer(context_.window, kRepeatTimerId, kRepeatFirstMs, nullptr);
}

void MonitorHostActions::ShortcutUp(ShortcutWord word) {
  ::KillTimer(context_.window, kRepeatTimerId);
  if (!shortcutHeld_ || !context_.keys) return;
  shortcutHeld_ = false;
  ShortcutRelease(word, Shortcuts());
}

void MonitorHostActions::OnRepeatTimer() {
  if (!shortcutHeld_) {
    ::KillTimer(context_.window, kRepeatTimerId);
    return;
  }
  if (!context_.keys) return;
  if (!repeatStarted_) {
    repeatStarted_ = true;
    ::SetTimer(context_.window, kRepeatTimerId, kRepeatNextMs, nullptr);
  }
  ShortcutRepeat(heldShortcut_, Shortcuts());
}

void MonitorHostActions::Macro(const ButtonAssignment& slot) {
  if (!context_.keys) return;
  TriggerMacro(slot, macro_, macroClock_, [this] { return macroThread_.Post(WM_MON_PLAY_MACRO); });
}

void MonitorHostActions::ScrollHorizontally(int direction) {
  const ProfileRecord* profile = context_.currentProfile();
  // The main page offers 1..10 steps; a damaged profile must not flood a window with messages.
  constexpr int kMostSteps = 100;
  if (profile) HorizontalScroll(direction, std::min(profile->TiltSpeed, kMostSteps), context_.window);
}

void MonitorHostActions::OpenProgram(const std::string& path) {
  if (!path.empty()) ::ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void MonitorHostActions::OpenConfigurationProgram() {
  ::PostMessageA(context_.window, WM_COMMAND, kCommandOpenConfiguration, 0);
}

void MonitorHostActions::Multimedia(int code, int flag) {
  const ProfileRecord* profile = context_.currentProfile();
  if (profile) players_.MultimediaFunction(profile->MediaOption, code, flag);
}

void MonitorHostActions::CountdownStart(int seconds) {
  if (context_.countdownStart) context_.countdownStart(seconds);
}

void MonitorHostActions::CountdownStop() {
  if (context_.countdownStop) context_.countdownStop();
}

}  // namespace orvix
