// Passes synthetic input on and remembers what is still down, so that whatever a macro
// or shortcut left pressed can be let go when the mouse goes away or the monitor ends.
#pragma once

#include <mutex>
#include <vector>

#include "SyntheticInput.h"

namespace orvix {

class HeldInputGuard : public InputSink {
 public:
  explicit HeldInputGuard(InputSink& system) : system_(system) {}

  void Key(std::uint8_t virtualKey, std::uint8_t scanCode, bool up) override;
  void Mouse(std::uint32_t flags, std::int32_t data) override;

  // Releases everything still down, newest first.
  void ReleaseAll();
  bool AnythingHeld() const;

 private:
  struct Held {
    bool isKey;
    std::uint8_t virtualKey;
    std::uint8_t scanCode;
    std::uint32_t upFlag;  // mouse: the flag that releases it
    std::int32_t data;     // mouse: X button number
  };
  void Forget(const Held& released);

  InputSink& system_;
  mutable std::mutex mutex_;
  std::vector<Held> held_;
};

}  // namespace orvix
