#include "MonitorWindow_win.h"

namespace orvix {
namespace {

HWND FindMonitor() { return ::FindWindowA(nullptr, kMonitorWindowTitle); }

}  // namespace

bool MonitorWindow::Present() { return FindMonitor() != nullptr; }

bool MonitorWindow::SendAsync(MonitorMessage message, std::uintptr_t wParam, std::intptr_t lParam) {
  const bool apply = message == MonitorMessage::kApplyAll;
  if (apply && applyOutstanding_) return false;
  const HWND monitor = FindMonitor();
  if (!monitor) return false;
  if (!::SendMessageCallbackA(monitor, static_cast<UINT>(message), static_cast<WPARAM>(wParam),
                              static_cast<LPARAM>(lParam), &MonitorWindow::Answered,
                              reinterpret_cast<ULONG_PTR>(dialog_)))
    return false;
  if (apply) applyOutstanding_ = true;
  return true;
}

bool MonitorWindow::Post(MonitorMessage message, std::uintptr_t wParam, std::intptr_t lParam) {
  const HWND monitor = FindMonitor();
  return monitor && ::PostMessageA(monitor, static_cast<UINT>(message), static_cast<WPARAM>(wParam),
                                   static_cast<LPARAM>(lParam));
}

void CALLBACK MonitorWindow::Answered(HWND, UINT message, ULONG_PTR dialog, LRESULT) {
  // Runs on our own thread while it takes its messages, possibly after the dialog is gone:
  // it carries only the dialog's handle, and a post to a window that is gone does nothing.
  ::PostMessageA(reinterpret_cast<HWND>(dialog), kMonitorAnsweredMessage, message, 0);
}

void MonitorWindow::OnAnswer(UINT message) {
  if (message == static_cast<UINT>(MonitorMessage::kApplyAll)) applyOutstanding_ = false;
}

}  // namespace orvix
