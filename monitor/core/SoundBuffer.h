// The one buffer every feedback sound is loaded into. It is kept from one sound to the
// next and only grows, so that repeated feedback does not allocate; its memory comes
// from the port committed and locked.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/MonitorPorts.h"

namespace orvix {

class SoundBuffer {
 public:
  explicit SoundBuffer(SoundMemoryPort& memory) : memory_(memory) {}
  ~SoundBuffer() { Release(); }
  SoundBuffer(const SoundBuffer&) = delete;
  SoundBuffer& operator=(const SoundBuffer&) = delete;

  // Room for `bytes`. A larger request replaces the buffer by one of `bytes` rounded up to
  // the page size; a smaller one reuses it. nullptr when the memory could not be had (the
  // buffer is then empty).
  std::uint8_t* Reserve(std::size_t bytes);
  void Release();

  std::uint8_t* data() const { return data_; }
  std::size_t capacity() const { return capacity_; }

 private:
  SoundMemoryPort& memory_;
  std::uint8_t* data_ = nullptr;
  std::size_t capacity_ = 0;
};

}  // namespace orvix
