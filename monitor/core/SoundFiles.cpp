#include "core/SoundFiles.h"

#include <algorithm>

namespace orvix {
namespace {

constexpr int kFirstDpiSound = 200;
constexpr int kLastDpiSound = 8200;

const char* FixedSoundFile(int number) {
  switch (number) {
    case 0: return "go.wav";
    case 1: return "1_second.wav";
    case 2: return "2_seconds.wav";
    case 3: return "3_seconds.wav";
    case 4: return "4_seconds.wav";
    case 5: return "5_seconds.wav";
    case 10: return "10_seconds.wav";
    case 18: return "timer_stopped.wav";
    case 19: return "timer_activated.wav";
    case 30: return "sens_up.wav";
    case 31: return "sens_down.wav";
    case 32: return "volume_up.wav";
    case 33: return "volume_down.wav";
    case 40: return "profile_one.wav";
    case 41: return "profile_two.wav";
    case 42: return "profile_three.wav";
    case 43: return "profile_four.wav";
    case 44: return "profile_five.wav";
    case 45: return "windows_profile.wav";
    case 50: return "Trophy.wav";
    case 51: return "Every_Trophy.wav";
    default: return nullptr;
  }
}

}  // namespace

std::string SoundFileName(int number) {
  if (const char* fixed = FixedSoundFile(number)) return fixed;
  if (number >= kFirstDpiSound && number <= kLastDpiSound) return std::to_string(number) + ".wav";
  return {};
}

std::string SoundFilePath(const std::string& installFolder, int number) {
  const std::string name = SoundFileName(number);
  if (name.empty()) return {};
  return installFolder + "Wave\\Volume\\" + name;
}

int VolumeTenths(std::int32_t level) {
  switch (level) {
    case 0: return 3;
    case 1: return 5;
    case 3: return 9;
    case 4: return 11;
    default: return 7;
  }
}

void ScaleSamples(std::uint8_t* wave, std::size_t loaded, int tenths) {
  if (wave == nullptr || loaded < kWaveHeaderSize) return;
  const std::uint32_t dataSize = wave[40] | wave[41] << 8 | wave[42] << 16 | std::uint32_t{wave[43]} << 24;
  // Only whole samples inside the loaded bytes, whatever the header claims.
  const std::size_t loadedSamples = (loaded - kWaveHeaderSize) / 2;
  const std::size_t samples = std::min<std::size_t>(dataSize / 2, loadedSamples);
  std::uint8_t* p = wave + kWaveHeaderSize;
  for (std::size_t i = 0; i < samples; ++i, p += 2) {
    const auto sample = static_cast<std::int16_t>(p[0] | p[1] << 8);
    const std::int64_t scaled = std::clamp<std::int64_t>(std::int64_t{sample} * tenths / 10, -32767, 32767);
    const auto bits = static_cast<std::uint16_t>(static_cast<std::int16_t>(scaled));
    p[0] = static_cast<std::uint8_t>(bits & 0xFF);
    p[1] = static_cast<std::uint8_t>(bits >> 8);
  }
}

}  // namespace orvix
