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

// Loudness factor of a `SoundVolume` level in tenths (0.3 .. 1.1 as 3 .. 11); a level
// outside 0..4 counts as 2. Tenths keep the scaling exact: in floating point 1000 x 0.3
// truncates to 299 on an x87 unit and to 300 elsewhere.
int VolumeTenths(std::int32_t level);

// Scales the 16-bit samples of a canonical 44-byte-header PCM wave held in `wave` (of
// `loaded` bytes) by `tenths` / 10, truncated toward zero and clamped to -32767..32767.
// The data size of the header is believed only as far as the loaded bytes reach.
void ScaleSamples(std::uint8_t* wave, std::size_t loaded, int tenths);

inline constexpr std::size_t kWaveHeaderSize = 44;

}  // namespace orvix
