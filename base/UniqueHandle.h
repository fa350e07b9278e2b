// One move-only owner for every kind of handle: a traits type says what "no handle" is
// and how to close one. Copying is impossible, so no handle is ever closed twice.
#pragma once

#include <utility>

namespace orvix {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle h) noexcept : handle_(h) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return Traits::IsValid(handle_); }

  Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Handle h = Traits::Invalid()) noexcept {
    Handle old = std::exchange(handle_, h);
    if (Traits::IsValid(old)) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Invalid();
};

}  // namespace orvix
