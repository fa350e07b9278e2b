// The monitor's icon in the notification area. It is wanted while the mouse is connected
// and the companion application has not taken over; adding it is retried while the shell
// is still starting, and it is added again when Explorer restarts.
#pragma once

#include <windows.h>

#include "WinHandles.h"

namespace orvix {

class TrayIcon {
 public:
  static constexpr UINT kIconId = 102;
  static constexpr UINT_PTR kRetryTimerId = 620;   // retries a failed add
  static constexpr UINT kRetryPeriodMs = 2000;
  // A shell without a notification area would have us retry forever: after a minute we
  // wait for its "TaskbarCreated" instead.
  static constexpr int kMostRetries = 30;

  void Attach(HWND owner);
  // Shows or removes the icon.
  void SetWanted(bool wanted);
  // Handlers the owner window forwards: the shell's "TaskbarCreated" broadcast and the retry timer.
  bool IsTaskbarCreated(UINT message) const { return message != 0 && message == taskbarCreated_; }
  void OnTaskbarCreated();
  void OnRetryTimer();
  bool shown() const { return shown_; }

 private:
  bool Add();
  void Remove();
  void ScheduleRetry();

  HWND owner_ = nullptr;
  UINT taskbarCreated_ = 0;
  IconHandle icon_;
  bool wanted_ = false;
  int retries_ = 0;
  bool shown_ = false;
};

// The tray menu: "Configuration" (default) and "Exit" at the cursor.
void ShowTrayMenu(HWND owner);

}  // namespace orvix
