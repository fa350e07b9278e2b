// The private-profile struct encoding of byte blocks: every byte as two upper-case
// hexadecimal digits, then one more byte, the sum of the data bytes modulo 256.
// A 5-byte block is 12 characters, a 2532-byte block 5066.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvix {

constexpr std::size_t StructTextLength(std::size_t size) { return 2 * size + 2; }

std::string EncodeStructText(const void* data, std::size_t size);

// Decodes `text` into `data` only when it has exactly the length for `size` bytes, holds
// hexadecimal digits only and its checksum matches; otherwise `data` is left untouched.
bool DecodeStructText(std::string_view text, void* data, std::size_t size);

}  // namespace orvix
