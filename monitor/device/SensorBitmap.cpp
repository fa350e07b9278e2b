#include "SensorBitmap.h"

#include <cstdlib>
#include <fstream>
#include <numeric>

namespace orvix {
namespace {

constexpr int kInfoHeaderAt = 14;

std::uint32_t U32(const std::uint8_t* at) {
  return at[0] | (at[1] << 8) | (at[2] << 16) | (std::uint32_t{at[3]} << 24);
}
std::uint16_t U16(const std::uint8_t* at) { return static_cast<std::uint16_t>(at[0] | (at[1] << 8)); }

// Only the bitmap the install folder carries: writing at offset 1078 into any other file
// would damage it.
bool IsSensorBitmap(const std::uint8_t (&header)[54], std::uint64_t fileSize) {
  const std::uint8_t* info = header + kInfoHeaderAt;
  const auto height = static_cast<std::int32_t>(U32(info + 8));
  return header[0] == 'B' && header[1] == 'M' && U32(header + 10) == kSensorBitmapPixelOffset &&
         U32(info) >= 40 && U32(info + 4) == kSensorBitmapWidth && std::abs(height) == kSensorImageSide &&
         U16(info + 14) == 8 && U32(info + 16) == 0 &&
         fileSize >= std::uint64_t{kSensorBitmapPixelOffset} + kSensorBitmapPixelBytes;
}

std::uint8_t RotateLeft2(std::uint8_t b) { return static_cast<std::uint8_t>((b << 2) | (b >> 6)); }

}  // namespace

int CalibrationValueOf(const SensorImage& image) {
  return std::accumulate(image.begin(), image.end(), 0) / kSensorImagePixels;
}

SensorBitmapPixels SensorBitmapPixelsOf(const SensorImage& image) {
  SensorBitmapPixels pixels{};
  for (int r = 0; r < kSensorImageSide; ++r)
    for (int c = 0; c < kSensorImageSide; ++c) {
      // Row r of the transposed image is column r of the captured one.
      const std::uint8_t transposed = image[c * kSensorImageSide + r];
      pixels[r * kSensorBitmapWidth + (kSensorImageSide - 1 - c)] = RotateLeft2(transposed);
    }
  return pixels;
}

bool WriteSensorBitmap(const std::string& path, const SensorBitmapPixels& pixels) {
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  if (!file) return false;
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  file.seekg(0, std::ios::beg);
  std::uint8_t header[54] = {};
  if (size < 0 || !file.read(reinterpret_cast<char*>(header), sizeof header) ||
      !IsSensorBitmap(header, static_cast<std::uint64_t>(size)))
    return false;
  file.seekp(kSensorBitmapPixelOffset, std::ios::beg);
  file.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(file.flush());
}

}  // namespace orvix
