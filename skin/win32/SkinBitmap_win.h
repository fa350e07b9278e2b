// A picture of the skin: a 32-bit top-down DIB section whose pixels the toolkit reads and
// writes directly (cutting, regions) and that GDI draws. Pictures with transparency hold
// premultiplied alpha and are drawn with AlphaBlend.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <utility>

#include "GdiHandles_win.h"
#include "PixelRect.h"
#include "RegionRuns.h"

namespace orvix {

class SkinBitmap {
 public:
  // The largest picture accepted: no skin is larger (the main dialog at 200 % has 2 million
  // pixels), and a hostile file cannot ask for gigabytes.
  static constexpr int kMaxSide = 8192;
  static constexpr long long kMaxPixels = 16LL << 20;

  // A black picture; nullopt for a size that is empty, too large or not available.
  static std::optional<SkinBitmap> Create(int width, int height);
  // A picture of one colour.
  static std::optional<SkinBitmap> Filled(int width, int height, COLORREF colour);

  SkinBitmap(SkinBitmap&& other) noexcept { *this = std::move(other); }
  SkinBitmap& operator=(SkinBitmap&& other) noexcept {
    if (this != &other) {
      bitmap_ = std::move(other.bitmap_);
      bits_ = std::exchange(other.bits_, nullptr);
      width_ = std::exchange(other.width_, 0);
      height_ = std::exchange(other.height_, 0);
      hasAlpha_ = std::exchange(other.hasAlpha_, false);
    }
    return *this;
  }

  HBITMAP handle() const { return bitmap_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  std::uint8_t* bits() { return bits_; }
  const std::uint8_t* bits() const { return bits_; }
  std::ptrdiff_t stride() const { return static_cast<std::ptrdiff_t>(width_) * 4; }
  PixelView View() const { return {bits_, width_, height_, stride()}; }
  COLORREF PixelAt(int x, int y) const;

  bool hasAlpha() const { return hasAlpha_; }
  // Looks at the alpha bytes: a picture that has no pixel below 255 is drawn opaque.
  void DetectAlpha();

  void Fill(COLORREF colour);
  // A copy of `rect` of this picture; what lies outside this picture is filled with
  // `outside`. Nullopt only when the rectangle is empty or too large.
  std::optional<SkinBitmap> Cut(const PixelRect& rect, COLORREF outside = RGB(0, 0, 0)) const;
  // Draws the whole picture with its top-left corner at x, y.
  void Draw(HDC dc, int x, int y) const;
  // Draws it into `target`, scaled when the sizes differ.
  void DrawScaled(HDC dc, const RECT& target) const;

 private:
  SkinBitmap(BitmapHandle bitmap, std::uint8_t* bits, int width, int height)
      : bitmap_(std::move(bitmap)), bits_(bits), width_(width), height_(height) {}

  BitmapHandle bitmap_;
  std::uint8_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
  bool hasAlpha_ = false;
};

}  // namespace orvix
