// Everything of the device link that CMonitorWnd owns: the bound HID library, the device
// I/O thread with its job runner, and the sequences the window thread runs itself (apply,
// restore, sensor image, tracking, light control, host mode).
//
// Start-up: Bind() (step 9), StartIoThread() (step 14), Open(window) (step 16; true when
// the mouse is there). Arrival and removal: flags().deviceState, PostJob, AbortIfBusy.
// Shut-down: sequences().SendHostMode(0) (step 1), StopIoThread() (steps 5, 6), Close()
// (step 7).
#pragma once

#include <windows.h>

#include <string>

#include "DeviceLink_win.h"
#include "MessageThread_win.h"
#include "SharedDataBlock.h"
#include "device/DeviceJobs.h"
#include "device/DeviceSequences.h"
#include "device/SystemSleeper.h"

namespace orvix {

class MonitorDevice {
 public:
  // `local`, `host` and `jobHost` must outlive this object. The hosts are called on the
  // thread that runs the sequence (the window thread or the device I/O thread).
  MonitorDevice(SharedDataBlock& local, DeviceHost& host, DeviceJobHost& jobHost, std::string installFolder);
  MonitorDevice(const MonitorDevice&) = delete;
  MonitorDevice& operator=(const MonitorDevice&) = delete;
  ~MonitorDevice();

  bool Bind();
  // The device I/O thread: a message loop on a 4096-byte stack for WM_MON_DEVICE_JOB.
  bool StartIoThread();
  // Open_DevMonitor(window, 1325, 1326), then Open_FeatureDevice: true when the mouse is there.
  bool Open(HWND window);

  // Jobs run only while the device state is 1 (the thread checks when it takes the job).
  bool PostJob(unsigned job, LPARAM lParam = 0);
  void AbortIfBusy() { orvix::AbortIfBusy(flags_); }
  // Aborts a running job, posts WM_QUIT, waits 1000 ms and terminates a thread that hangs.
  void StopIoThread();
  // Close_DevMonitor, Close_FeatureDevice, unload.
  void Close() { link_.Close(); }

  DeviceSequences& sequences() { return windowSequences_; }
  DeviceFlags& flags() { return flags_; }
  CalibrationState& calibration() { return calibration_; }
  DeviceLink& link() { return link_; }
  const std::string& sensorBitmapPath() const { return sensorBitmapPath_; }

 private:
  std::string installFolder_;
  std::string sensorBitmapPath_;
  DeviceLink link_;
  SystemSleeper sleeper_;
  DeviceFlags flags_;
  CalibrationState calibration_;
  // A window-thread sequence cannot be interrupted by the window thread's own handlers;
  // the abort flag belongs to the device I/O thread's jobs.
  ReportExchange windowExchange_;
  DeviceSequences windowSequences_;
  ReportExchange ioExchange_;
  DeviceSequences ioSequences_;
  DeviceJobRunner jobs_;
  MessageThread ioThread_;
};

}  // namespace orvix
