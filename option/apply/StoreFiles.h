// The apply cycle's files through the settings store: "config.ini" and the profile files,
// and the file of edits kept for the next start, each replaced whole under the writers' lock.
#pragma once

#include "SettingsStore.h"
#include "apply/ApplyPorts.h"

namespace orvix {

class StoreFiles final : public ConfigFilesPort {
 public:
  explicit StoreFiles(const SettingsStore& store) : store_(store) {}

  bool Save(const ConfigRecord& record) override;
  bool SaveInfoData(const ConfigRecord& record) override;
  bool SaveLiftAndTracking(const ConfigRecord& record) override;
  bool SaveUnappliedEdits(const SharedDataBlock& working, const SharedDataBlock& applied) override;
  bool LoadUnappliedEdits(SharedDataBlock& working, SharedDataBlock& applied) override;
  void DiscardUnappliedEdits() override;

 private:
  const SettingsStore& store_;
};

}  // namespace orvix
