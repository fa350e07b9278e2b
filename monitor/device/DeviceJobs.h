// The jobs of the device I/O thread, without the thread: the thread hands every
// WM_MON_DEVICE_JOB here. Jobs run only while the mouse is connected; the busy flag and
// the abort flag are the hand-shake with the window thread, which sets the abort flag
// (through AbortIfBusy) when the mouse goes away or the monitor ends.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "DeviceSequences.h"

namespace orvix {

struct DeviceFlags {
  std::atomic<int> deviceState{0};  // 0 never connected, 1 connected, 2 removed
  std::atomic<bool> busy{false};
  std::atomic<bool> abort{false};
};

// Sets the abort flag when a job is running, so that it gives up at its next pause.
inline void AbortIfBusy(DeviceFlags& flags) {
  if (flags.busy) flags.abort = true;
}

// What job 2 tells the world besides the block it publishes.
class DeviceJobHost {
 public:
  virtual ~DeviceJobHost() = default;
  virtual void SendDpiTable() = 0;  // to the companion application
};

class DeviceJobRunner {
 public:
  // `sequences` must run on the device I/O thread's exchange (the one with `flags.abort`).
  DeviceJobRunner(DeviceSequences& sequences, DeviceFlags& flags, DeviceJobHost& host, std::string lightDatabasePath);

  // One job message. False when it was dropped (mouse not connected, unknown job).
  bool Run(unsigned job, std::intptr_t lParam);

 private:
  DeviceSequences& sequences_;
  DeviceFlags& flags_;
  DeviceJobHost& host_;
  std::string lightDatabasePath_;
};

}  // namespace orvix
