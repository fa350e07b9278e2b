// The apply cycle of the configuration program: its two copies of the shared block, the
// hand-over of the user's changes to the monitor and the files, and the monitor's notices.
//
// The working copy holds what the pages edit; the applied copy what was last exchanged
// with the monitor. Their difference is the user's pending edits. Every hand-over merges
// these edits into the block as the monitor has it now, under one hold of its mutex, so
// nothing the monitor wrote meanwhile is undone; every notice carries them onto the
// monitor's newer state, so no edit is lost either.
#pragma once

#include "ApplyPorts.h"

namespace orvix {

class ApplyCycle {
 public:
  ApplyCycle(SharedBlockPort& block, MonitorWindowPort& monitor, ConfigFilesPort& files, ApplyView& view);

  // Start-up: the block when the monitor runs, else `fromFiles` fills the configuration.
  // Returns whether the block was there.
  bool Start(const std::function<void(ConfigRecord&)>& fromFiles);
  // Offers the edits a previous run kept (once the dialog is shown), and forgets them.
  void OfferKeptEdits();
  // A hand-over failed and OnRetryTimer should run.
  bool retryPending() const { return retry_; }

  SharedDataBlock& working() { return working_; }
  const SharedDataBlock& applied() const { return applied_; }
  bool busy() const { return busy_; }
  bool HasPendingEdits() const;

  // Apply (reset flag 0) and the factory reset (reset flag 1). Returns at once: the monitor
  // answers through OnMonitorAnswered, or OnMonitorTimedOut when it does not. With
  // `thenClose` the view's ApplyFinished follows the end, whatever the outcome.
  void Apply(int resetFlag, bool thenClose = false);
  void OnMonitorAnswered();
  void OnMonitorTimedOut();
  // Called every few seconds: a hand-over that failed is made again once the monitor is back.
  void OnRetryTimer();

  // The monitor's notices.
  void OnDeviceReadDone();
  void OnProfileChanged();
  void OnLevelChanged();
  void OnStatisticsChanged();

  // The narrower transfers of the statistics page and the advanced page.
  void TransferStatistics();
  // The lift-off and calibration switches (one value for all profiles) go to the monitor at
  // once: into the applied copy, the block and "config.ini", then `message` with `lParam` is
  // posted. When the monitor is absent only "config.ini" is written (an undo after the
  // monitor ended must not leave a tried level there) and false is returned; the next
  // Apply hands the switches over.
  bool TransferTracking();
  bool TransferTracking(MonitorMessage message, std::intptr_t lParam);

  // The program is closed from outside (the mouse was unplugged, the monitor ended):
  // pending edits are kept for the next start.
  void KeepPendingEdits();

 private:
  enum class Reload { kNone, kDeviceRead, kProfile, kLevel, kStatistics };

  // Merges `source` into the block, saves the files and sends the apply message.
  bool HandOver(const SharedDataBlock& source);
  void Finish();
  void ReloadFromBlock(Reload kind);
  void Refresh(Reload kind);
  static void ClampCurrentProfile(SharedDataBlock& block);

  SharedBlockPort& block_;
  MonitorWindowPort& monitor_;
  ConfigFilesPort& files_;
  ApplyView& view_;

  // The records are packed: aligned here so that their integer fields are too.
  alignas(8) SharedDataBlock working_{};
  alignas(8) SharedDataBlock applied_{};

  // The hand-over in flight.
  bool busy_ = false;
  bool closeAfter_ = false;
  int resetFlag_ = 0;
  alignas(8) SharedDataBlock handed_{};
  alignas(8) SharedDataBlock workingAtSend_{};
  Reload deferred_ = Reload::kNone;  // a notice that came during the hand-over

  bool retry_ = false;  // the last hand-over did not reach the monitor
  alignas(8) SharedDataBlock retrySource_{};  // the working copy of that hand-over
};

}  // namespace orvix
