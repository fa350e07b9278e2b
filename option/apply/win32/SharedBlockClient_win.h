// The configuration program's side of the monitor's shared block: opened when the monitor
// is there, at start or any time later; every access a bounded hold of the block's mutex.
#pragma once

#include <functional>
#include <optional>

#include "SharedBlockMapping_win.h"
#include "apply/ApplyPorts.h"

namespace orvix {

class SharedBlockClient final : public SharedBlockPort {
 public:
  // `onUnmappable` is told once when a mapping of the block's name exists but cannot be
  // mapped at the block's size.
  explicit SharedBlockClient(std::function<void()> onUnmappable) : onUnmappable_(std::move(onUnmappable)) {}

  bool Connect() override;
  bool Connected() const override { return mapping_ && mutex_; }
  bool Read(SharedDataBlock& block) override;
  bool Update(const std::function<void(SharedDataBlock&)>& change) override;

 private:
  std::optional<SharedBlockMapping> mapping_;
  std::optional<SharedBlockMutex> mutex_;
  std::function<void()> onUnmappable_;
  bool reported_ = false;
};

}  // namespace orvix
