// Stand-ins for the monitor's block and window, the files and the dialog, recording what
// the apply cycle does to them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "apply/ApplyPorts.h"

namespace orvix::test {

class FakeBlock : public SharedBlockPort {
 public:
  bool Connect() override { return connected = present; }
  bool Connected() const override { return connected; }
  bool Read(SharedDataBlock& block) override {
    if (!connected || !mutexFree) return false;
    if (beforeAccess) beforeAccess(*shared);
    block = *shared;
    return true;
  }
  bool Update(const std::function<void(SharedDataBlock&)>& change) override {
    if (!connected || !mutexFree) return false;
    if (beforeAccess) beforeAccess(*shared);
    change(*shared);
    ++updates;
    return true;
  }

  std::unique_ptr<SharedDataBlock> shared = std::make_unique<SharedDataBlock>();
  bool present = true;
  bool connected = false;
  bool mutexFree = true;
  int updates = 0;
  std::function<void(SharedDataBlock&)> beforeAccess;  // the monitor's own changes
};

struct SentMessage {
  MonitorMessage message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
  bool posted;
};

class FakeMonitor : public MonitorWindowPort {
 public:
  bool Present() override { return present; }
  bool SendAsync(MonitorMessage message, std::uintptr_t wParam, std::intptr_t lParam) override {
    if (!present) return false;
    if (onSend) onSend(message);
    sent.push_back({message, wParam, lParam, false});
    return true;
  }
  bool Post(MonitorMessage message, std::uintptr_t wParam, std::intptr_t lParam) override {
    if (!present) return false;
    sent.push_back({message, wParam, lParam, true});
    return true;
  }
  bool present = true;
  std::vector<SentMessage> sent;
  std::function<void(MonitorMessage)> onSend;
};

class FakeFiles : public ConfigFilesPort {
 public:
  bool Save(const ConfigRecord& record) override {
    saved = std::make_unique<ConfigRecord>(record);
    ++saves;
    return true;
  }
  bool SaveInfoData(const ConfigRecord& record) override {
    infoData = record.InfoData;
    return true;
  }
  bool SaveLiftAndTracking(const ConfigRecord& record) override {
    lift = record.LiftOnFlag;
    return true;
  }
  bool SaveUnappliedEdits(const SharedDataBlock& working, const SharedDataBlock& applied) override {
    keptWorking = std::make_unique<SharedDataBlock>(working);
    keptApplied = std::make_unique<SharedDataBlock>(applied);
    return true;
  }
  bool LoadUnappliedEdits(SharedDataBlock& working, SharedDataBlock& applied) override {
    if (!keptWorking) return false;
    working = *keptWorking;
    applied = *keptApplied;
    return true;
  }
  void DiscardUnappliedEdits() override {
    keptWorking.reset();
    keptApplied.reset();
  }

  std::unique_ptr<ConfigRecord> saved;
  int saves = 0;
  StatisticsBlock infoData{};
  int lift = -100;
  std::unique_ptr<SharedDataBlock> keptWorking, keptApplied;
};

class FakeView : public ApplyView {
 public:
  void SetBusy(bool on) override { calls.push_back(on ? "busy" : "idle"); }
  void RefreshAll() override { calls.push_back("refresh all"); }
  void RefreshLevelPages(bool advanced) override { calls.push_back(advanced ? "level pages+advanced" : "level pages"); }
  void RefreshStatistics() override { calls.push_back("statistics"); }
  void RefreshVersions() override { calls.push_back("versions"); }
  void ShowNotice(ApplyNotice notice) override { notices.push_back(notice); }
  bool AskRestoreUnappliedEdits() override {
    calls.push_back("ask restore");
    return restore;
  }
  void ApplyFinished() override { calls.push_back("finished"); }

  std::vector<std::string> calls;
  std::vector<ApplyNotice> notices;
  bool restore = true;
};

}  // namespace orvix::test
