// Records the keyboard and mouse input the system delivers, through low-level hooks on
// the calling thread (which must pump messages while input is expected).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orvix::test {

struct RecordedInput {
  std::string name;  // "41+", "41-", "XB2+", "L+" …
  double atMs;
};

class InputRecorder {
 public:
  InputRecorder();
  ~InputRecorder();
  // Pumps messages until `predicate` holds or the time is up.
  template <typename Predicate>
  bool PumpUntil(Predicate predicate, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (!predicate()) {
      if (::GetTickCount() - start >= timeoutMs) return false;
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
      MSG msg;
      while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
    return true;
  }
  const std::vector<RecordedInput>& events() const { return events_; }
  std::vector<std::string> Names() const;

 private:
  static LRESULT CALLBACK Keyboard(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK Mouse(int code, WPARAM wParam, LPARAM lParam);
  static double NowMs();
  HHOOK keyboard_ = nullptr;
  HHOOK mouse_ = nullptr;
  std::vector<RecordedInput> events_;
  static InputRecorder* current_;
};

}  // namespace orvix::test
