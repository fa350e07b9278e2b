#include "HeldInputGuard.h"

#include <algorithm>

namespace orvix {
namespace {

// The release flag of a mouse press flag, 0 when `flags` is no press.
std::uint32_t MouseReleaseOf(std::uint32_t flags) {
  if (flags & kMouseLeftDown) return kMouseLeftUp;
  if (flags & kMouseRightDown) return kMouseRightUp;
  if (flags & kMouseMiddleDown) return kMouseMiddleUp;
  if (flags & kMouseXDown) return kMouseXUp;
  return 0;
}

bool IsMouseRelease(std::uint32_t flags) {
  return (flags & (kMouseLeftUp | kMouseRightUp | kMouseMiddleUp | kMouseXUp)) != 0;
}

}  // namespace

void HeldInputGuard::Key(std::uint8_t virtualKey, std::uint8_t scanCode, bool up) {
  system_.Key(virtualKey, scanCode, up);
  std::lock_guard lock(mutex_);
  if (up)
    Forget({true, virtualKey, scanCode, 0, 0});
  else if (std::none_of(held_.begin(), held_.end(), [&](const Held& h) { return h.isKey && h.virtualKey == virtualKey; }))
    held_.push_back({true, virtualKey, scanCode, 0, 0});
}

void HeldInputGuard::Mouse(std::uint32_t flags, std::int32_t data) {
  system_.Mouse(flags, data);
  std::lock_guard lock(mutex_);
  if (IsMouseRelease(flags)) {
    Forget({false, 0, 0, flags & (kMouseLeftUp | kMouseRightUp | kMouseMiddleUp | kMouseXUp), data});
  } else if (const std::uint32_t release = MouseReleaseOf(flags)) {
    held_.push_back({false, 0, 0, release, data});
  }
}

void HeldInputGuard::Forget(const Held& released) {
  auto same = [&](const Held& h) {
    if (h.isKey != released.isKey) return false;
    return h.isKey ? h.virtualKey == released.virtualKey
                   : h.upFlag == released.upFlag && (h.upFlag != kMouseXUp || h.data == released.data);
  };
  auto it = std::find_if(held_.rbegin(), held_.rend(), same);
  if (it != held_.rend()) held_.erase(std::next(it).base());
}

void HeldInputGuard::ReleaseAll() {
  std::vector<Held> held;
  {
    std::lock_guard lock(mutex_);
    held.swap(held_);
  }
  for (auto it = held.rbegin(); it != held.rend(); ++it) {
    if (it->isKey)
      system_.Key(it->virtualKey, it->scanCode, true);
    else
      system_.Mouse(it->upFlag, it->data);
  }
}

bool HeldInputGuard::AnythingHeld() const {
  std::lock_guard lock(mutex_);
  return !held_.empty();
}

}  // namespace orvix
