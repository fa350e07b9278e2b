// Texts kept in fixed char arrays: inside records, in the shared block and in files.
// Such an array may come from another process or a damaged file without its
// terminator, so it is never read past its end.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace orvix {

// The text of a fixed array: up to the first NUL, or the whole array when it has none.
inline std::string_view FixedTextView(const char* text, std::size_t capacity) {
  const void* end = std::memchr(text, '\0', capacity);
  return {text, end ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : capacity};
}

template <std::size_t N>
std::string_view FixedTextView(const char (&text)[N]) {
  return FixedTextView(text, N);
}

// Copies `text` into a fixed array: cut at its first NUL and to capacity - 1 characters,
// always terminated, the rest of the array zero-filled so that two equal texts give
// equal records byte for byte.
inline void CopyFixedText(char* target, std::size_t capacity, std::string_view text) {
  if (capacity == 0) return;
  text = FixedTextView(text.data(), text.size());
  const std::size_t length = text.size() < capacity - 1 ? text.size() : capacity - 1;
  std::memcpy(target, text.data(), length);
  std::memset(target + length, 0, capacity - length);
}

template <std::size_t N>
void CopyFixedText(char (&target)[N], std::string_view text) {
  CopyFixedText(target, N, text);
}

}  // namespace orvix
