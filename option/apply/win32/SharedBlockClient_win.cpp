#include "SharedBlockClient_win.h"

namespace orvix {

bool SharedBlockClient::Connect() {
  if (Connected()) return true;
  bool unmappable = false;
  mapping_ = SharedBlockMapping::Open(&unmappable);
  // The mutex is opened only beside a block the program can use: a handle held meanwhile
  // would keep the name alive for a monitor that starts and creates it anew.
  if (mapping_) mutex_ = SharedBlockMutex::Open();
  // A block without its mutex cannot be copied safely: as good as no monitor.
  if (!Connected()) {
    mapping_.reset();
    mutex_.reset();
  }
  // Told with no handle held: the notice waits for the user.
  if (unmappable && !reported_ && onUnmappable_) {
    reported_ = true;
    onUnmappable_();
  }
  return Connected();
}

bool SharedBlockClient::Read(SharedDataBlock& block) { return Connected() && mapping_->CopyIn(*mutex_, block); }

bool SharedBlockClient::Update(const std::function<void(SharedDataBlock&)>& change) {
  return Connected() && mapping_->Exchange(*mutex_, change);
}

}  // namespace orvix
