// A stand-in for the monitor, inside the test process: the shared block and its mutex,
// created as the monitor creates them, and a hidden window titled like the monitor's that
// records every message the configuration program sends it. For the apply message it also
// notes what the block and "config.ini" held when the message came and whether the
// program's OK and Apply buttons were enabled then; it answers after a delay the test sets.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SharedBlockMapping_win.h"
#include "WinHandles.h"

namespace orvix::test {

struct ReceivedMessage {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD receivedAt = 0;  // GetTickCount
  DWORD answeredAt = 0;
  // For the apply message: what the program had handed over by then.
  std::shared_ptr<const SharedDataBlock> block;
  std::optional<std::string> configIni;  // the bytes of "config.ini"
  bool okEnabled = false;
  bool applyEnabled = false;
};

// One line of an expected message table.
struct ExpectedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class StandInMonitor {
 public:
  // What of the monitor is there: a monitor that is still starting, or something else that
  // took the block's name.
  struct Parts {
    bool mutex = true;
    bool window = true;
    DWORD blockSize = sizeof(SharedDataBlock);  // another size: an empty mapping of that size
  };

  // The block holds `config` (change flags cleared); `installFolder` is where the program
  // under test keeps its files.
  StandInMonitor(const ConfigRecord& config, std::string installFolder) : StandInMonitor(config, installFolder, Parts{}) {}
  StandInMonitor(const ConfigRecord& config, std::string installFolder, Parts parts);
  ~StandInMonitor();
  StandInMonitor(const StandInMonitor&) = delete;
  StandInMonitor& operator=(const StandInMonitor&) = delete;

  HWND hwnd() const { return hwnd_; }
  // The mutex and the window, where they are still missing: the monitor's start is over.
  void CompleteStart();

  // The apply message is answered this long after it came (pumping meanwhile), and
  // `whileAnswering` runs in between, once per apply message.
  void SetAnswerDelay(DWORD ms) { answerDelayMs_ = ms; }
  void WhileAnswering(std::function<void()> work) { whileAnswering_ = std::move(work); }
  // The program's OK and Apply buttons, whose state the apply message notes.
  void WatchButtons(HWND ok, HWND apply) {
    ok_ = ok;
    apply_ = apply;
  }

  const std::vector<ReceivedMessage>& received() const { return received_; }
  void Clear() { received_.clear(); }
  int Count(UINT message) const;
  // Pumps this thread's messages until `message` has come `count` times in all.
  bool WaitFor(UINT message, DWORD timeoutMs, int count = 1);
  // The last received `message`, or nullptr.
  const ReceivedMessage* Last(UINT message) const;

  // The block as it is now, and a change to it under the mutex (as the monitor makes one).
  std::unique_ptr<SharedDataBlock> Block() const;
  void Change(const std::function<void(SharedDataBlock&)>& change) const;

 private:
  void MakeWindow();
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT OnApply(WPARAM wParam, LPARAM lParam);

  std::optional<SharedBlockMutex> mutex_;
  std::optional<SharedBlockMapping> mapping_;
  KernelHandle otherMapping_;  // a mapping of the block's name and another size
  std::string installFolder_;
  HWND hwnd_ = nullptr;
  HWND ok_ = nullptr, apply_ = nullptr;
  DWORD answerDelayMs_ = 0;
  std::function<void()> whileAnswering_;
  std::vector<ReceivedMessage> received_;
};

// "" when `received` is exactly `expected` (message, wParam, lParam, in order), else a
// description of both for the failure message.
std::string CompareMessages(const std::vector<ReceivedMessage>& received,
                            std::initializer_list<ExpectedMessage> expected);

}  // namespace orvix::test
