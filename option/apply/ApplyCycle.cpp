#include "ApplyCycle.h"

#include <cstring>
#include <memory>
#include <utility>

#include "ChangeFlagRules.h"
#include "EditMerge.h"

namespace orvix {
namespace {

constexpr std::size_t kFlagWords = sizeof(ChangeFlags) / sizeof(std::int32_t);

std::int32_t* FlagWords(ChangeFlags& flags) { return reinterpret_cast<std::int32_t*>(&flags); }

}  // namespace

ApplyCycle::ApplyCycle(SharedBlockPort& block, MonitorWindowPort& monitor, ConfigFilesPort& files, ApplyView& view)
    : block_(block), monitor_(monitor), files_(files), view_(view) {}

void ApplyCycle::ClampCurrentProfile(SharedDataBlock& block) {
  // A fresh install without the monitor has no CurrentProfile (-1); every page indexes it.
  if (!CurrentProfileRecord(block.config)) block.config.CurrentProfile = 0;
}

bool ApplyCycle::Start(const std::function<void(ConfigRecord&)>& fromFiles) {
  const bool fromBlock = block_.Connect() && block_.Read(applied_);
  if (!fromBlock) fromFiles(applied_.config);
  applied_.flags = ChangeFlags{};
  ClampCurrentProfile(applied_);
  working_ = applied_;
  return fromBlock;
}

void ApplyCycle::OfferKeptEdits() {
  auto keptWorking = std::make_unique<SharedDataBlock>();
  auto keptBase = std::make_unique<SharedDataBlock>();
  if (files_.LoadUnappliedEdits(*keptWorking, *keptBase)) {
    if (view_.AskRestoreUnappliedEdits()) {
      MergeEdits(working_.config, keptBase->config, keptWorking->config);
      ClampCurrentProfile(working_);
      working_.flags = keptWorking->flags;
    }
    files_.DiscardUnappliedEdits();
  }
  view_.RefreshAll();
}

bool ApplyCycle::HasPendingEdits() const { return orvix::HasPendingEdits(working_, applied_); }

bool ApplyCycle::HandOver(const SharedDataBlock& source) {
  workingAtSend_ = source;
  const ChangeFlags flags = ComputeChangeFlags(source, applied_);
  SharedDataBlock& handed = handed_;
  const bool merged = block_.Connect() && block_.Update([&](SharedDataBlock& shared) {
    MergeEdits(shared.config, applied_.config, source.config);
    shared.flags = flags;
    handed = shared;
  });
  if (!merged) {
    handed = source;
    handed.flags = flags;
  }
  // The files hold the same state as the block, also when the monitor is absent.
  files_.Save(handed.config);
  return merged && monitor_.SendAsync(MonitorMessage::kApplyAll, static_cast<std::uintptr_t>(resetFlag_), 0);
}

void ApplyCycle::Apply(int resetFlag, bool thenClose) {
  if (busy_) return;
  busy_ = true;
  closeAfter_ = thenClose;
  resetFlag_ = resetFlag;
  view_.SetBusy(true);
  if (HandOver(working_)) return;  // the monitor answers later

  retry_ = true;
  retrySource_ = working_;
  busy_ = false;
  view_.SetBusy(false);
  view_.ShowNotice(ApplyNotice::kMonitorAbsent);
  Finish();
}

void ApplyCycle::OnMonitorAnswered() {
  if (!busy_) return;
  // The monitor has the handed state. Edits made while it worked stay pending.
  auto next = std::make_unique<SharedDataBlock>(handed_);
  MergeEdits(next->config, workingAtSend_.config, working_.config);
  next->flags = ChangeFlags{};
  std::int32_t* nextFlags = FlagWords(next->flags);
  const std::int32_t* now = FlagWords(working_.flags);
  const std::int32_t* sent = FlagWords(workingAtSend_.flags);
  for (std::size_t i = 0; i < kFlagWords; ++i) nextFlags[i] = now[i] != 0 && sent[i] == 0 ? now[i] : 0;

  applied_ = handed_;
  applied_.flags = ChangeFlags{};
  working_ = *next;
  ClampCurrentProfile(working_);
  retry_ = false;
  resetFlag_ = 0;
  busy_ = false;
  view_.SetBusy(false);
  view_.RefreshAll();
  Finish();
}

void ApplyCycle::OnMonitorTimedOut() {
  if (!busy_) return;
  // Nothing is taken as handed over: the edits stay pending and are sent again.
  retry_ = true;
  retrySource_ = workingAtSend_;
  busy_ = false;
  view_.SetBusy(false);
  view_.ShowNotice(ApplyNotice::kMonitorNoAnswer);
  Finish();
}

void ApplyCycle::Finish() {
  if (closeAfter_) {
    closeAfter_ = false;
    if (retry_) KeepPendingEdits();
    view_.ApplyFinished();
    return;
  }
  if (deferred_ != Reload::kNone) ReloadFromBlock(std::exchange(deferred_, Reload::kNone));
}

void ApplyCycle::OnRetryTimer() {
  if (!retry_ || busy_) return;
  if (!block_.Connect() || !monitor_.Present()) return;
  busy_ = true;
  view_.SetBusy(true);
  // What the failed Apply held; edits made since stay pending until the next Apply.
  if (HandOver(retrySource_)) return;
  busy_ = false;  // still unreachable: silently again at the next tick
  view_.SetBusy(false);
}

void ApplyCycle::ReloadFromBlock(Reload kind) {
  if (busy_) {
    // The newest notice covers the older ones: each rereads the whole block.
    deferred_ = kind == Reload::kStatistics && deferred_ != Reload::kNone ? deferred_ : kind;
    return;
  }
  auto fresh = std::make_unique<SharedDataBlock>();
  if (!block_.Connect() || !block_.Read(*fresh)) return;
  fresh->flags = ChangeFlags{};  // the monitor's flags are its own, never ours
  ClampCurrentProfile(*fresh);
  auto next = std::make_unique<SharedDataBlock>(*fresh);
  // Every pending edit is carried over, except where the monitor moved the current profile
  // or the mouse changed a level of it by itself: there the mouse's state wins.
  const FieldFilter mouseSide = MouseSideFields(fresh->config.CurrentProfile);
  MergeEdits(next->config, applied_.config, working_.config, [&](const FieldSpan& field) {
    return mouseSide(field) && FieldDiffers(fresh->config, applied_.config, field);
  });
  next->flags = working_.flags;
  applied_ = *fresh;
  working_ = *next;
  Refresh(kind);
}

void ApplyCycle::Refresh(Reload kind) {
  switch (kind) {
    case Reload::kDeviceRead:
      view_.RefreshVersions();
      view_.RefreshAll();
      break;
    case Reload::kProfile:
      view_.RefreshAll();
      break;
    case Reload::kLevel: {
      const ProfileRecord* current = CurrentProfileRecord(working_.config);
      view_.RefreshLevelPages(current && current->XYSynchronous == 1);
      break;
    }
    case Reload::kStatistics:
      view_.RefreshStatistics();
      break;
    case Reload::kNone:
      break;
  }
}

void ApplyCycle::OnDeviceReadDone() { ReloadFromBlock(Reload::kDeviceRead); }
void ApplyCycle::OnProfileChanged() { ReloadFromBlock(Reload::kProfile); }
void ApplyCycle::OnLevelChanged() { ReloadFromBlock(Reload::kLevel); }
void ApplyCycle::OnStatisticsChanged() { ReloadFromBlock(Reload::kStatistics); }

void ApplyCycle::TransferStatistics() {
  applied_.config.InfoData = working_.config.InfoData;
  if (block_.Connect())
    block_.Update([&](SharedDataBlock& shared) { shared.config.InfoData = working_.config.InfoData; });
  files_.SaveInfoData(working_.config);
  monitor_.SendAsync(MonitorMessage::kReloadShared, 0, 0);
}

bool ApplyCycle::TransferTracking() {
  if (!monitor_.Present()) {
    // "config.ini" follows the user's choice at once; the applied copy does not move, so
    // the next Apply still takes the switches to the mouse.
    files_.SaveLiftAndTracking(working_.config);
    return false;
  }
  applied_.config.LiftOnFlag = working_.config.LiftOnFlag;
  applied_.config.TrackControlFlag = working_.config.TrackControlFlag;
  if (block_.Connect()) {
    block_.Update([&](SharedDataBlock& shared) {
      shared.config.LiftOnFlag = applied_.config.LiftOnFlag;
      shared.config.TrackControlFlag = applied_.config.TrackControlFlag;
    });
  }
  files_.SaveLiftAndTracking(applied_.config);
  return true;
}

bool ApplyCycle::TransferTracking(MonitorMessage message, std::intptr_t lParam) {
  return TransferTracking() && monitor_.Post(message, 0, lParam);
}

void ApplyCycle::KeepPendingEdits() {
  if (HasPendingEdits()) files_.SaveUnappliedEdits(working_, applied_);
}

}  // namespace orvix
