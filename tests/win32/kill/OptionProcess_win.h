// The real OrvixOneOption.exe started from an install folder and driven through its own
// windows, as a person would: its main window, its buttons found by their labels, clicks,
// and its end by force.
#pragma once

#include <windows.h>

#include <string>

#include "WinHandles.h"

namespace orvix::test {

class OptionProcess {
 public:
  // Starts "<folder>OrvixOneOption.exe" with the folder as its working folder; throws when
  // it cannot be started.
  explicit OptionProcess(const std::string& folder);
  ~OptionProcess();  // ends it by force if it still runs, and waits for its end
  OptionProcess(const OptionProcess&) = delete;
  OptionProcess& operator=(const OptionProcess&) = delete;

  // Its main window once that is visible; null when the time is up or the program ended.
  HWND WaitForWindow(DWORD timeoutMs);
  HWND window() const { return window_; }
  // The visible "Button" child of the main window with this label; null when there is none.
  HWND Button(const wchar_t* label) const;
  // A visible window of the program that its main window owns (a notice); null when none.
  HWND OwnedPopup() const;

  // A round trip through the program's message queue; false when it did not answer in time.
  bool Answers(DWORD timeoutMs) const;
  // BM_CLICK, waiting until the program has handled it (true) or not.
  bool Click(HWND button, DWORD timeoutMs) const;
  void PostClick(HWND button) const { ::PostMessageW(button, BM_CLICK, 0, 0); }

  // TerminateProcess at once, then waits for the end; true when it ended in time.
  bool Kill(DWORD waitMs = 10000);
  bool HasExited(DWORD waitMs = 0) const;

 private:
  KernelHandle process_;
  DWORD id_ = 0;
  HWND window_ = nullptr;
};

}  // namespace orvix::test
