#include "core/SoundBuffer.h"

#include <limits>

namespace orvix {

std::uint8_t* SoundBuffer::Reserve(std::size_t bytes) {
  if (data_ != nullptr && bytes <= capacity_) return data_;
  Release();
  std::size_t page = memory_.PageSize();
  if (page == 0) page = 4096;
  if (bytes > std::numeric_limits<std::size_t>::max() - (page - 1)) return nullptr;
  const std::size_t rounded = bytes == 0 ? page : (bytes + page - 1) / page * page;
  data_ = memory_.Allocate(rounded);
  capacity_ = data_ != nullptr ? rounded : 0;
  return data_;
}

void SoundBuffer::Release() {
  if (data_ != nullptr) memory_.Free(data_, capacity_);
  data_ = nullptr;
  capacity_ = 0;
}

}  // namespace orvix
