// The host's side of the button functions: shortcuts with their repeat timer, macros on
// the macro thread, programs, the configuration program, media players and scrolling.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "MessageThread_win.h"
#include "actions/ButtonDispatch.h"
#include "actions/HeldInputGuard.h"
#include "actions/MacroPlayer.h"
#include "actions/MediaPlayers_win.h"
#include "actions/SystemInput_win.h"

namespace orvix {

class MonitorHostActions : public HostActions, private TraceSink {
 public:
  static constexpr UINT_PTR kRepeatTimerId = 102;
  static constexpr UINT kRepeatFirstMs = 1000;
  static constexpr UINT kRepeatNextMs = 100;

  struct Context {
    HWND window;
    std::string installFolder;
    const KeyTranslator* keys;
    std::function<const ProfileRecord*()> currentProfile;
    std::function<void(int seconds)> countdownStart;
    std::function<void()> countdownStop;
  };
  explicit MonitorHostActions(Context context);
  ~MonitorHostActions() override;

  // The macro thread: started at start-up, stopped at shut-down.
  bool StartMacroThread();
  void StopMacroThread();

  // Timer 102: the shortcut's repeat.
  void OnRepeatTimer();
  // The mouse went away or the monitor ends: stop the macro, let go of every key.
  void ReleaseEverything();

  void ScrollHorizontally(int direction) override;
  void OpenProgram(const std::string& path) override;
  void OpenConfigurationProgram() override;
  void Multimedia(int code, int flag) override;
  void ShortcutDown(ShortcutWord word) override;
  void ShortcutUp(ShortcutWord word) override;
  void Macro(const ButtonAssignment& slot) override;
  void CountdownStart(int seconds) override;
  void CountdownStop() override;

 private:
  void Trace(const char* line) override { ::OutputDebugStringA(line); }
  ShortcutPorts Shortcuts();

  Context context_;
  SystemInput system_;
  HeldInputGuard input_{system_};
  PrecisionClock macroClock_;     // the macro thread's waits, interrupted by a stop
  PrecisionClock shortcutClock_;  // the window thread's 1 ms pauses
  MacroPlaybackState macro_;
  MessageThread macroThread_;
  MediaPlayerControl players_;
  ShortcutWord heldShortcut_{};
  bool shortcutHeld_ = false;
  bool repeatStarted_ = false;
};

}  // namespace orvix
