// The sensor image in "Wave\sensorImage.bmp": the 30 by 30 image goes into the pixel area
// of an existing 8-bit bitmap of 32 by 30 pixels with a 256-entry palette, which the
// calibration wizard shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "FeatureReports.h"

namespace orvix {

constexpr int kSensorBitmapWidth = 32;
constexpr int kSensorBitmapPixelOffset = 1078;  // 14 + 40 header bytes, 256 palette entries
constexpr int kSensorBitmapPixelBytes = kSensorBitmapWidth * kSensorImageSide;

using SensorBitmapPixels = std::array<std::uint8_t, kSensorBitmapPixelBytes>;

// The image's mean: the calibration value the mouse is given.
int CalibrationValueOf(const SensorImage& image);

// The pixel rows as the wizard expects them: the image transposed, each row written from
// its last column to its first and padded to 32 bytes, every byte rotated left by 2 bits.
SensorBitmapPixels SensorBitmapPixelsOf(const SensorImage& image);

// Writes the pixels into the existing bitmap. False, and the file untouched, when it is
// missing or is not the bitmap described above.
bool WriteSensorBitmap(const std::string& path, const SensorBitmapPixels& pixels);

}  // namespace orvix
