// The spoken feedback sounds: which file each sound number names, where it lies, and how
// loud the current profile wants it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvix {

// File name of a sound number, empty when the number names no sound.
std::string SoundFileName(int number);
// Installation folder (with its trailing backslash) + "Wave\Volume\" + file name; empty
// when the number names no sound.
std::string SoundFilePath(const std::string& installFolder, int number);

// Loudness factor of a `SoundVolume` level; a level outside 0..4 counts as 2.
double VolumeFactor(std::int32_t level);

// Scales the 16-bit samples of a canonical 44-byte-header PCM wave held in `wave` (of
// `loaded` bytes) by `factor`, clamped to -32767..32767. The data size of the header is
// believed only as far as the loaded bytes reach.
void ScaleSamples(std::uint8_t* wave, std::size_t loaded, double factor);

inline constexpr std::size_t kWaveHeaderSize = 44;

}  // namespace orvix
