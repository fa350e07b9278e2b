// The monitor's window, found by its title for every message. The apply message is sent
// without waiting (SendMessageCallback): the dialog keeps answering while the monitor
// writes to the mouse, and learns of the monitor's return from kMonitorAnsweredMessage,
// posted to it with the message number in wParam.
#pragma once

#include <windows.h>

#include "Messages.h"
#include "apply/ApplyPorts.h"

namespace orvix {

inline constexpr UINT kMonitorAnsweredMessage = WM_APP + 0x101;

class MonitorWindow final : public MonitorWindowPort {
 public:
  explicit MonitorWindow(HWND dialog) : dialog_(dialog) {}

  bool Present() override;
  // Also false while an earlier apply message of ours has not come back: a second one would
  // only queue behind it.
  bool SendAsync(MonitorMessage message, std::uintptr_t wParam, std::intptr_t lParam) override;
  bool Post(MonitorMessage message, std::uintptr_t wParam, std::intptr_t lParam) override;

  // Called by the dialog when kMonitorAnsweredMessage arrives.
  void OnAnswer(UINT message);

 private:
  static void CALLBACK Answered(HWND window, UINT message, ULONG_PTR dialog, LRESULT result);

  HWND dialog_;
  bool applyOutstanding_ = false;
};

}  // namespace orvix
