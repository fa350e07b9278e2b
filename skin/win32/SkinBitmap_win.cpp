// Skin pictures as DIB sections.
#include "SkinBitmap_win.h"

#include <algorithm>
#include <cstring>

namespace orvix {

std::optional<SkinBitmap> SkinBitmap::Create(int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
      static_cast<long long>(width) * height > kMaxPixels)
    return std::nullopt;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  BitmapHandle bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return std::nullopt;
  return SkinBitmap(std::move(bitmap), static_cast<std::uint8_t*>(bits), width, height);
}

std::optional<SkinBitmap> SkinBitmap::Filled(int width, int height, COLORREF colour) {
  std::optional<SkinBitmap> bitmap = Create(width, height);
  if (bitmap) bitmap->Fill(colour);
  return bitmap;
}

COLORREF SkinBitmap::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const std::uint8_t* px = bits_ + y * stride() + x * 4;
  return RGB(px[2], px[1], px[0]);
}

void SkinBitmap::DetectAlpha() {
  hasAlpha_ = false;
  const std::size_t pixels = static_cast<std::size_t>(width_) * height_;
  for (std::size_t i = 0; i < pixels && !hasAlpha_; ++i) hasAlpha_ = bits_[i * 4 + 3] != 255;
}

void SkinBitmap::Fill(COLORREF colour) {
  const std::uint32_t value = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  auto* pixels = reinterpret_cast<std::uint32_t*>(bits_);
  std::fill(pixels, pixels + static_cast<std::size_t>(width_) * height_, value);
  hasAlpha_ = false;
}

std::optional<SkinBitmap> SkinBitmap::Cut(const PixelRect& rect, COLORREF outside) const {
  std::optional<SkinBitmap> piece = Filled(rect.Width(), rect.Height(), outside);
  if (!piece) return std::nullopt;
  const int left = std::max(rect.left, 0), right = std::min(rect.right, width_);
  const int top = std::max(rect.top, 0), bottom = std::min(rect.bottom, height_);
  for (int y = top; y < bottom && left < right; ++y) {
    std::memcpy(piece->bits_ + (y - rect.top) * piece->stride() + (left - rect.left) * 4,
                bits_ + y * stride() + left * 4, static_cast<std::size_t>(right - left) * 4);
  }
  piece->hasAlpha_ = hasAlpha_;
  return piece;
}

void SkinBitmap::Draw(HDC dc, int x, int y) const {
  RECT target{x, y, x + width_, y + height_};
  DrawScaled(dc, target);
}

void SkinBitmap::DrawScaled(HDC dc, const RECT& target) const {
  MemoryDc source(::CreateCompatibleDC(dc));
  if (!source) return;
  SelectedObject selected(source.get(), bitmap_.get());
  const int w = target.right - target.left, h = target.bottom - target.top;
  if (hasAlpha_) {
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::AlphaBlend(dc, target.left, target.top, w, h, source.get(), 0, 0, width_, height_, blend);
  } else if (w == width_ && h == height_) {
    ::BitBlt(dc, target.left, target.top, w, h, source.get(), 0, 0, SRCCOPY);
  } else {
    int oldMode = ::SetStretchBltMode(dc, HALFTONE);
    ::StretchBlt(dc, target.left, target.top, w, h, source.get(), 0, 0, width_, height_, SRCCOPY);
    ::SetStretchBltMode(dc, oldMode);
  }
}

}  // namespace orvix
