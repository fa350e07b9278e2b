// The sound files the build speaks into the install folder, checked against the monitor's
// own sound table: every number that names a file must find it, as a canonical wave.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/SoundFiles.h"

namespace orvix {
namespace {

std::uint32_t U32(const std::vector<unsigned char>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t{b[at + 3]} << 24;
}
std::uint16_t U16(const std::vector<unsigned char>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

TEST(SoundFiles, EveryNumberOfTheTableHasACanonicalWave) {
  std::vector<int> numbers{0, 1, 2, 3, 4, 5, 10, 18, 19, 30, 31, 32, 33, 40, 41, 42, 43, 44, 45, 50, 51};
  for (int dpi = 200; dpi <= 8200; dpi += 200) numbers.push_back(dpi);

  for (int number : numbers) {
    const std::string path = SoundFilePath(ORVIX_INSTALL_DIR, number);
    ASSERT_FALSE(path.empty()) << number;
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path;
    const std::vector<unsigned char> wave{std::istreambuf_iterator<char>(file), {}};
    ASSERT_GT(wave.size(), 44u + 2000u) << path;  // a header and some speech
    EXPECT_EQ(std::memcmp(wave.data(), "RIFF", 4), 0) << path;
    EXPECT_EQ(U32(wave, 4), wave.size() - 8) << path;
    EXPECT_EQ(std::memcmp(wave.data() + 8, "WAVEfmt ", 8), 0) << path;
    EXPECT_EQ(U32(wave, 16), 16u) << path;  // plain PCM format chunk
    EXPECT_EQ(U16(wave, 20), 1) << path;    // PCM
    EXPECT_EQ(U16(wave, 22), 1) << path;    // mono
    EXPECT_EQ(U16(wave, 34), 16) << path;   // 16-bit samples
    EXPECT_EQ(std::memcmp(wave.data() + 36, "data", 4), 0) << path;
    EXPECT_EQ(U32(wave, 40), wave.size() - 44) << path;
  }
}

}  // namespace
}  // namespace orvix
