// What end-to-end tests need around the real monitor: a stand-in for the configuration
// program's window that records what it is posted, the monitor process itself, and the
// control tool of the virtual mouse.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "SharedBlockMapping_win.h"
#include "WinHandles.h"

namespace orvix::test {

// A window titled like the configuration program. WM_CLOSE is only recorded.
class FakeOptionWindow {
 public:
  FakeOptionWindow();
  ~FakeOptionWindow();
  HWND hwnd() const { return hwnd_; }
  // As if the configuration program had ended.
  void Destroy();

  // Pumps this thread's messages until `message` has arrived `count` times in all, or the
  // time is up. True when it arrived.
  bool WaitFor(UINT message, DWORD timeoutMs, int count = 1);
  int Count(UINT message) const;
  void Clear() { received_.clear(); }

 private:
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_ = nullptr;
  std::vector<UINT> received_;
};

// A hidden top-level window of class `className` (registered on first use) with `title`.
HWND HiddenWindow(const char* className, WNDPROC procedure, const char* title = "");

// Pumps this thread's messages for `ms`.
void PumpFor(DWORD ms);

// Pumps this thread's messages until `done()` holds or the time is up; true when it held.
template <typename Predicate>
bool PumpUntil(Predicate done, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start >= timeoutMs) return false;
    PumpFor(20);
  }
  return true;
}

class MonitorProcess {
 public:
  // Starts "<folder>OrvixOneMonitor.exe <arguments>".
  MonitorProcess(const std::string& folder, const std::string& arguments = "");
  ~MonitorProcess();  // closes the monitor (WM_CLOSE), terminates it if it hangs

  // Waits until the monitor's window exists.
  HWND WaitForWindow(DWORD timeoutMs) const;
  // Posts WM_CLOSE and waits for the process to end; true when it ended in time.
  bool Close(DWORD timeoutMs);
  bool HasExited(DWORD waitMs = 0) const;
  DWORD ExitCode() const;

 private:
  KernelHandle process_;
};

// The monitor's shared block as the configuration program opens it, once the monitor has
// created it (its window exists a little earlier, while it starts up).
struct BlockClient {
  std::optional<SharedBlockMapping> mapping;
  std::optional<SharedBlockMutex> mutex;
  bool CopyIn(SharedDataBlock& block) const { return mapping && mutex && mapping->CopyIn(*mutex, block); }
  bool CopyOut(const SharedDataBlock& block) const { return mapping && mutex && mapping->CopyOut(*mutex, block); }
  explicit operator bool() const { return mapping && mutex; }
};
BlockClient OpenBlockWhenReady(DWORD timeoutMs);

// Runs a program to its end and returns what it wrote to its standard output.
struct ProgramResult {
  DWORD exitCode = 1;
  std::string output;
};
ProgramResult RunProgram(const std::string& commandLine, DWORD timeoutMs = 20000);

}  // namespace orvix::test
