// What the apply cycle needs from the world, one small interface each: the monitor's
// shared block, the monitor's window, the configuration files and the dialog.
#pragma once

#include <cstdint>
#include <functional>

#include "SharedDataBlock.h"

namespace orvix {

// The block the monitor shares, opened once it is there. Every access holds its mutex for a
// bounded time; a mutex that a dead peer abandoned counts as held by us.
class SharedBlockPort {
 public:
  virtual ~SharedBlockPort() = default;
  // Opens the mapping (of exactly one block's size) and its mutex when not yet open; false
  // while the monitor is absent.
  virtual bool Connect() = 0;
  virtual bool Connected() const = 0;
  // A copy of the whole block; false when not connected or the mutex was not obtained.
  virtual bool Read(SharedDataBlock& block) = 0;
  // Under one hold of the mutex: reads the block, lets `change` edit it and writes it back.
  virtual bool Update(const std::function<void(SharedDataBlock&)>& change) = 0;
};

enum class MonitorMessage : unsigned {
  kApplyAll = 1224,
  kReloadShared = 1233,
  kSensorImage = 1229,     // the calibration wizard: take one sensor image
  kTrackingReport = 1230,  // lift-off trial: lParam 255 try, 254 keep, 253 undo
  kCalibrationMode = 1231, // lParam 1 evaluate, 2 accepted, 3 discarded, 4 switched off
};

// The monitor's window, looked up by its title for every message.
class MonitorWindowPort {
 public:
  virtual ~MonitorWindowPort() = default;
  virtual bool Present() = 0;
  // Sends without waiting; the port reports the monitor's return through the apply
  // cycle's OnMonitorAnswered. False when the window is absent or the send failed.
  virtual bool SendAsync(MonitorMessage message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  virtual bool Post(MonitorMessage message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// The configuration files: "config.ini" and the five profile files, each replaced whole.
class ConfigFilesPort {
 public:
  virtual ~ConfigFilesPort() = default;
  virtual bool Save(const ConfigRecord& record) = 0;
  virtual bool SaveInfoData(const ConfigRecord& record) = 0;
  virtual bool SaveLiftAndTracking(const ConfigRecord& record) = 0;
  // Edits that could not be handed over when the program was closed from outside: the
  // working copy and the copy it differs from. False when there is none or it is damaged.
  virtual bool SaveUnappliedEdits(const SharedDataBlock& working, const SharedDataBlock& applied) = 0;
  virtual bool LoadUnappliedEdits(SharedDataBlock& working, SharedDataBlock& applied) = 0;
  virtual void DiscardUnappliedEdits() = 0;
};

// Notices of the apply cycle, shown by the dialog in the user's language.
enum class ApplyNotice {
  kMonitorAbsent,    // saved to the files; handed to the mouse once the monitor is back
  kMonitorNoAnswer,  // the monitor did not answer in time; the changes are sent again
};

// What the cycle asks of the dialog.
class ApplyView {
 public:
  virtual ~ApplyView() = default;
  virtual void SetBusy(bool busy) = 0;  // wait cursor, OK and Apply disabled while busy
  virtual void RefreshAll() = 0;
  virtual void RefreshLevelPages(bool alsoAdvanced) = 0;  // main page, and advanced page
  virtual void RefreshStatistics() = 0;
  virtual void RefreshVersions() = 0;
  virtual void ShowNotice(ApplyNotice notice) = 0;
  // Edits kept from a run that was closed from outside: restore them?
  virtual bool AskRestoreUnappliedEdits() = 0;
  // The apply that OK started is over: the dialog may close now.
  virtual void ApplyFinished() = 0;
};

}  // namespace orvix
