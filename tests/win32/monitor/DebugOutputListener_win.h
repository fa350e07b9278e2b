// Listens on the system's debugger output channel (the shared "DBWIN_BUFFER" that
// OutputDebugString writes to when no debugger is attached) and keeps the lines written by
// one process. Only one listener can run on a system at a time.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "WinHandles.h"

namespace orvix::test {

class DebugOutputListener {
 public:
  // Throws when the channel cannot be set up (another listener owns it).
  DebugOutputListener();
  ~DebugOutputListener();
  DebugOutputListener(const DebugOutputListener&) = delete;
  DebugOutputListener& operator=(const DebugOutputListener&) = delete;

  // Only lines of this process are kept from now on; 0 keeps every process's lines.
  void KeepProcess(DWORD processId) { processId_ = processId; }
  std::vector<std::string> Lines() const;
  // Lines that start with `prefix`, without the prefix and the line break.
  std::vector<std::string> LinesStartingWith(const std::string& prefix) const;
  // Pumps this thread's messages until `done` holds for the lines kept so far; false when
  // the time is up.
  bool WaitUntil(const std::function<bool(const std::vector<std::string>&)>& done, DWORD timeoutMs) const;

 private:
  void Listen();

  KernelHandle mapping_, bufferReady_, dataReady_;
  MappedView view_;
  std::atomic<bool> stop_{false};
  std::atomic<DWORD> processId_{0};
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
  std::thread thread_;
};

}  // namespace orvix::test
