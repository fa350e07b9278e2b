#include "apply/StoreFiles.h"

#include "Configuration.h"
#include "apply/UnappliedEditsFile.h"

namespace orvix {

bool StoreFiles::Save(const ConfigRecord& record) { return SaveConfigurationFiles(record, store_); }

bool StoreFiles::SaveInfoData(const ConfigRecord& record) { return WriteInfoData(store_, record.InfoData); }

bool StoreFiles::SaveLiftAndTracking(const ConfigRecord& record) { return WriteLiftAndTracking(store_, record); }

bool StoreFiles::SaveUnappliedEdits(const SharedDataBlock& working, const SharedDataBlock& applied) {
  if (!store_.files.Lock()) return false;
  const bool saved = store_.files.Replace(store_.PathOf(kUnappliedEditsFile), EncodeUnappliedEdits(working, applied));
  store_.files.Unlock();
  return saved;
}

bool StoreFiles::LoadUnappliedEdits(SharedDataBlock& working, SharedDataBlock& applied) {
  const std::optional<std::string> content = store_.files.Read(store_.PathOf(kUnappliedEditsFile));
  return content && DecodeUnappliedEdits(*content, working, applied);
}

void StoreFiles::DiscardUnappliedEdits() { store_.files.Remove(store_.PathOf(kUnappliedEditsFile)); }

}  // namespace orvix
