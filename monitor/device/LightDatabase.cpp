#include "LightDatabase.h"

#include <fstream>

namespace orvix {
namespace {

constexpr int kMaxReadRepeats = 100;

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadLightDatabase(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  file.seekg(0, std::ios::end);
  const std::streamoff end = file.tellg();
  if (end < 0 || static_cast<std::uint64_t>(end) > kMaxLightDatabaseBytes) return std::nullopt;
  file.seekg(0, std::ios::beg);
  const auto length = static_cast<std::size_t>(end);
  std::vector<std::uint8_t> bytes(length);
  std::size_t done = 0;
  for (int repeat = 0; done < length && repeat < kMaxReadRepeats; ++repeat) {
    file.read(reinterpret_cast<char*>(bytes.data() + done), static_cast<std::streamsize>(length - done));
    const std::streamsize got = file.gcount();
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
    file.clear();
  }
  // A file that shrank while being read would otherwise go out padded with zeros.
  if (done != length) return std::nullopt;
  return bytes;
}

}  // namespace orvix
