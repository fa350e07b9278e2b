#include "StructText.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace orvix {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The byte of two hexadecimal digits, or -1.
int HexByte(char high, char low) {
  const int h = HexValue(high), l = HexValue(low);
  return h < 0 || l < 0 ? -1 : h * 16 + l;
}

}  // namespace

std::string EncodeStructText(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  std::string text;
  text.reserve(StructTextLength(size));
  unsigned sum = 0;
  auto append = [&text](std::uint8_t b) {
    text += kHexDigits[b >> 4];
    text += kHexDigits[b & 15];
  };
  for (std::size_t i = 0; i < size; ++i) {
    append(bytes[i]);
    sum += bytes[i];
  }
  append(static_cast<std::uint8_t>(sum));
  return text;
}

bool DecodeStructText(std::string_view text, void* data, std::size_t size) {
  if (text.size() != StructTextLength(size)) return false;
  std::vector<std::uint8_t> decoded(size);  // the caller's bytes change only on success
  unsigned sum = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const int b = HexByte(text[2 * i], text[2 * i + 1]);
    if (b < 0) return false;
    decoded[i] = static_cast<std::uint8_t>(b);
    sum += decoded[i];
  }
  const int checksum = HexByte(text[2 * size], text[2 * size + 1]);
  if (checksum < 0 || static_cast<unsigned>(checksum) != (sum & 0xFF)) return false;
  if (size != 0) std::memcpy(data, decoded.data(), size);
  return true;
}

}  // namespace orvix
