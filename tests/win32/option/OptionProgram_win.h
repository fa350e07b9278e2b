// The configuration program under test, driven as a person or a screen reader would: its
// process started in an install folder, its main window found by title, its buttons found
// by their labels and clicked, its labels read, its pop-ups (notices, questions, the
// language chooser) found and answered. Every click is posted, so that a click whose
// handler opens a modal pop-up never blocks the test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "WinHandles.h"

namespace orvix::test {

inline constexpr std::size_t kSlotCount = 5;

class OptionProgram {
 public:
  // Starts "<folder>OrvixOneOption.exe" in `folder`.
  explicit OptionProgram(const std::string& folder);
  // Ends a program still running.
  ~OptionProgram();
  OptionProgram(const OptionProgram&) = delete;
  OptionProgram& operator=(const OptionProgram&) = delete;

  // Waits until the main window of this process exists and shows its slot names.
  HWND WaitForWindow(DWORD timeoutMs = 20000);
  HWND window() const { return window_; }
  DWORD processId() const { return processId_; }
  bool HasExited(DWORD waitMs = 0) const;
  // Pumps this thread's messages until the process has ended.
  bool WaitForExit(DWORD timeoutMs);
  DWORD ExitCode() const;

  // Direct child buttons of the main window by label (their window text); nullptr if none.
  HWND Button(const std::wstring& label) const;
  // Posts BM_CLICK to the button so labelled; false when there is none.
  bool Click(const std::wstring& label) const;
  bool Enabled(const std::wstring& label) const;
  bool Checked(const std::wstring& label) const;
  // The slot 0..4 whose button (labelled `pattern` with %d the slot number) is checked; -1
  // when none is or more than one is.
  int CheckedSlot(const std::wstring& pattern = L"Profile %d") const;
  // The labels of all direct child buttons, in window order.
  std::vector<std::wstring> ButtonLabels() const;
  // The edition badge: the owner-drawn picture of the frame wider than a colour swatch.
  HWND Badge() const;
  // The five slot name labels, left to right.
  std::vector<HWND> NameLabels() const;
  std::vector<std::wstring> Names() const;

  // True when the main window answers WM_NULL within `ms`.
  bool Answers(DWORD ms) const;

  // A top-level window of the program other than its main window that has a button
  // labelled `buttonLabel`; nullptr when none appears in time. Pumps meanwhile.
  HWND WaitForPopup(const std::wstring& buttonLabel, DWORD timeoutMs) const;
  // Clicks the button `buttonLabel` of such a pop-up and waits until the pop-up is gone.
  bool AnswerPopup(HWND popup, const std::wstring& buttonLabel, DWORD timeoutMs = 5000) const;
  // All texts of a pop-up's own window and its children, joined by new lines.
  static std::wstring PopupTexts(HWND popup);
  // Pop-ups of the program that are open now.
  std::vector<HWND> Popups() const;

 private:
  // Finds the main window, also while it is still hidden (a message box of its start-up).
  void Locate() const;

  KernelHandle process_;
  DWORD processId_ = 0;
  mutable DWORD threadId_ = 0;  // the thread of the main window
  mutable HWND window_ = nullptr;
};

// WM_GETTEXT of a window of another process, bounded in time.
std::wstring WindowText(HWND window);
// A button of `parent` (any process) labelled `label`, among its direct children.
HWND ChildButton(HWND parent, const std::wstring& label);
// The label `pattern` with its "%d" replaced by `number`.
std::wstring WithNumber(const std::wstring& pattern, int number);

}  // namespace orvix::test
