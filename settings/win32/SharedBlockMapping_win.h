// The named shared block and its mutex, as the monitor creates them and the configuration
// program opens them. Both sides exchange the block only whole, under the mutex.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "SharedDataBlock.h"
#include "WinHandles.h"

namespace orvix {

class SharedBlockMutex {
 public:
  // The monitor's: fails when the mutex already exists (another monitor runs).
  static std::optional<SharedBlockMutex> Create();
  // The configuration program's.
  static std::optional<SharedBlockMutex> Open();

  // Waits a bounded time: a peer that hangs while holding the mutex must not hang us.
  // A mutex abandoned by a peer that died while holding it counts as acquired.
  bool Acquire(DWORD timeoutMs = kDefaultTimeoutMs) const;
  void Release() const;

  static constexpr DWORD kDefaultTimeoutMs = 2000;

 private:
  explicit SharedBlockMutex(KernelHandle h) : handle_(std::move(h)) {}
  KernelHandle handle_;
};

class SharedBlockMapping {
 public:
  // The monitor's: backed by the paging file, exactly one block, every user gets full
  // access (null access list), inheritable handle.
  static std::optional<SharedBlockMapping> Create();
  // The configuration program's: maps exactly one block and refuses a smaller mapping.
  // `unmappable` tells a mapping that exists but cannot be mapped from one that is absent.
  static std::optional<SharedBlockMapping> Open(bool* unmappable = nullptr);

  // Whole-block copies under the mutex; false (and nothing copied) when the mutex
  // could not be acquired.
  bool CopyIn(const SharedBlockMutex& mutex, SharedDataBlock& local) const;
  bool CopyOut(const SharedBlockMutex& mutex, const SharedDataBlock& local) const;
  // Under one hold of the mutex: the block is read, changed by `change` and written back.
  bool Exchange(const SharedBlockMutex& mutex, const std::function<void(SharedDataBlock&)>& change) const;

 private:
  SharedBlockMapping(KernelHandle mapping, MappedView view) : mapping_(std::move(mapping)), view_(std::move(view)) {}
  KernelHandle mapping_;
  MappedView view_;
};

}  // namespace orvix
