#include "SharedBlockClient_win.h"

namespace orvix {

bool SharedBlockClient::Connect() {
  if (Connected()) return true;
  bool unmappable = false;
  mapping_ = SharedBlockMapping::Open(&unmappable);
  mutex_ = SharedBlockMutex::Open();
  if (unmappable && !reported_ && onUnmappable_) {
    reported_ = true;
    onUnmappable_();
  }
  // A block without its mutex cannot be copied safely: as good as no monitor.
  if (!Connected()) {
    mapping_.reset();
    mutex_.reset();
    return false;
  }
  return true;
}

bool SharedBlockClient::Read(SharedDataBlock& block) { return Connected() && mapping_->CopyIn(*mutex_, block); }

bool SharedBlockClient::Update(const std::function<void(SharedDataBlock&)>& change) {
  return Connected() && mapping_->Exchange(*mutex_, change);
}

}  // namespace orvix
