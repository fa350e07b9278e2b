// GDI+ decoding from a copy of the file in memory: the file is not kept open, and its size
// is checked before the decoder sees it.
#include "PictureDecoder_win.h"

#include <objidl.h>
#include <shlwapi.h>
#include <gdiplus.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "FrameTiming.h"
#include "GdiplusSession_win.h"
#include "WinHandles.h"

namespace orvix {
namespace {

struct StreamRelease {
  void operator()(IStream* stream) const { stream->Release(); }
};
using StreamPtr = std::unique_ptr<IStream, StreamRelease>;

std::optional<std::vector<BYTE>> ReadWholeFile(const std::wstring& path) {
  FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 ||
      static_cast<std::uint64_t>(size.QuadPart) > kMaxPictureFileBytes)
    return std::nullopt;
  std::vector<BYTE> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
    return std::nullopt;
  return bytes;
}

std::vector<std::int32_t> FrameDelayProperty(Gdiplus::Bitmap& image) {
  UINT size = image.GetPropertyItemSize(PropertyTagFrameDelay);
  if (size < sizeof(Gdiplus::PropertyItem)) return {};
  std::vector<std::uint64_t> storage((size + 7) / 8);  // aligned for the item header
  auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(storage.data());
  if (image.GetPropertyItem(PropertyTagFrameDelay, size, item) != Gdiplus::Ok || !item->value) return {};
  // The values follow the header inside the same buffer; never read past it.
  const auto* begin = static_cast<const BYTE*>(item->value);
  const auto* end = reinterpret_cast<const BYTE*>(storage.data()) + size;
  if (begin < reinterpret_cast<const BYTE*>(storage.data()) || begin > end) return {};
  std::size_t count = std::min<std::size_t>(item->length, static_cast<std::size_t>(end - begin)) / 4;
  std::vector<std::int32_t> delays(count);
  for (std::size_t i = 0; i < count; ++i) {
    const BYTE* v = begin + i * 4;
    delays[i] = static_cast<std::int32_t>(v[0] | (v[1] << 8) | (v[2] << 16) | (static_cast<std::uint32_t>(v[3]) << 24));
  }
  return delays;
}

// A frame at its own size is copied out of the decoder, not drawn: drawing goes through
// the general resampling path, which for a dialog's picture costs more than decoding it.
std::optional<SkinBitmap> CopyFrame(Gdiplus::Bitmap& image, SIZE size, PictureBackground background) {
  std::optional<SkinBitmap> picture = SkinBitmap::Create(size.cx, size.cy);
  if (!picture) return std::nullopt;
  Gdiplus::BitmapData data{};
  data.Width = static_cast<UINT>(size.cx);
  data.Height = static_cast<UINT>(size.cy);
  data.Stride = static_cast<INT>(picture->stride());
  data.PixelFormat = PixelFormat32bppPARGB;
  data.Scan0 = picture->bits();
  Gdiplus::Rect whole(0, 0, size.cx, size.cy);
  if (image.LockBits(&whole, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf, PixelFormat32bppPARGB,
                     &data) != Gdiplus::Ok)
    return std::nullopt;
  image.UnlockBits(&data);
  if (background == PictureBackground::kWhite) {
    // Premultiplied pixels over white: each colour gains what the alpha leaves uncovered.
    std::uint8_t* pixel = picture->bits();
    for (std::size_t i = 0, n = static_cast<std::size_t>(size.cx) * size.cy; i < n; ++i, pixel += 4) {
      const std::uint8_t uncovered = static_cast<std::uint8_t>(255 - pixel[3]);
      for (int c = 0; c < 3; ++c) pixel[c] = static_cast<std::uint8_t>(std::min(255, pixel[c] + uncovered));
      pixel[3] = 255;
    }
  } else {
    picture->DetectAlpha();
  }
  return picture;
}

// Draws the image's active frame into a new picture of the given size.
std::optional<SkinBitmap> RenderFrame(Gdiplus::Bitmap& image, SIZE natural, SIZE size, PictureBackground background) {
  if (natural.cx == size.cx && natural.cy == size.cy)
    if (std::optional<SkinBitmap> copied = CopyFrame(image, size, background)) return copied;
  std::optional<SkinBitmap> picture = SkinBitmap::Create(size.cx, size.cy);
  if (!picture) return std::nullopt;
  Gdiplus::Bitmap canvas(size.cx, size.cy, static_cast<INT>(picture->stride()), PixelFormat32bppPARGB,
                         picture->bits());
  if (canvas.GetLastStatus() != Gdiplus::Ok) return std::nullopt;
  Gdiplus::Graphics graphics(&canvas);
  if (graphics.GetLastStatus() != Gdiplus::Ok) return std::nullopt;
  const bool sameSize = natural.cx == size.cx && natural.cy == size.cy;
  graphics.SetInterpolationMode(sameSize ? Gdiplus::InterpolationModeNearestNeighbor
                                         : Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  if (background == PictureBackground::kWhite) {
    graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
  } else {
    graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
  }
  // Edge pixels are repeated outward, so scaling does not fade the picture's border.
  Gdiplus::ImageAttributes attributes;
  attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  Gdiplus::Status status = graphics.DrawImage(&image, Gdiplus::Rect(0, 0, size.cx, size.cy), 0, 0, natural.cx,
                                              natural.cy, Gdiplus::UnitPixel, &attributes);
  if (status != Gdiplus::Ok) return std::nullopt;
  graphics.Flush(Gdiplus::FlushIntentionSync);
  if (background == PictureBackground::kKeepAlpha) picture->DetectAlpha();
  return picture;
}

}  // namespace

std::optional<DecodedPicture> DecodePictureFile(const std::wstring& path, const PictureSize& sizeFor,
                                                PictureBackground background, std::size_t maxFrames) {
  std::optional<std::vector<BYTE>> bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  GdiplusSession gdiplus;
  if (!gdiplus.started()) return std::nullopt;
  StreamPtr stream(::SHCreateMemStream(bytes->data(), static_cast<UINT>(bytes->size())));
  if (!stream) return std::nullopt;

  // The decoder's objects end before the session does.
  std::optional<DecodedPicture> result;
  {
    Gdiplus::Bitmap image(stream.get());
    if (image.GetLastStatus() != Gdiplus::Ok) return std::nullopt;
    const SIZE natural{static_cast<LONG>(image.GetWidth()), static_cast<LONG>(image.GetHeight())};
    if (natural.cx <= 0 || natural.cy <= 0 || natural.cx > SkinBitmap::kMaxSide || natural.cy > SkinBitmap::kMaxSide)
      return std::nullopt;
    SIZE size = sizeFor ? sizeFor(natural) : natural;
    if (size.cx <= 0 || size.cy <= 0) return std::nullopt;

    UINT frameCount = 1;
    GUID dimension{};
    const bool animated = maxFrames > 1 && image.GetFrameDimensionsCount() > 0 &&
                          image.GetFrameDimensionsList(&dimension, 1) == Gdiplus::Ok &&
                          (frameCount = image.GetFrameCount(&dimension)) > 1;
    if (!animated) frameCount = 1;
    const std::size_t frameBytes = static_cast<std::size_t>(size.cx) * size.cy * 4;
    const std::size_t budget = std::max<std::size_t>(1, kMaxAnimationBytes / std::max<std::size_t>(frameBytes, 1));
    const std::size_t wanted = std::min({static_cast<std::size_t>(frameCount), maxFrames, kMaxPictureFrames, budget});

    DecodedPicture picture;
    picture.naturalWidth = natural.cx;
    picture.naturalHeight = natural.cy;
    for (std::size_t i = 0; i < wanted; ++i) {
      if (animated && image.SelectActiveFrame(&dimension, static_cast<UINT>(i)) != Gdiplus::Ok) break;
      std::optional<SkinBitmap> frame = RenderFrame(image, natural, size, background);
      if (!frame) break;
      picture.frames.push_back(std::move(*frame));
    }
    if (picture.frames.empty()) return std::nullopt;
    std::vector<std::int32_t> delays = animated ? FrameDelayProperty(image) : std::vector<std::int32_t>{};
    picture.delaysMs = FrameDelaysMs(delays, picture.frames.size());
    result = std::move(picture);
  }
  return result;
}

}  // namespace orvix
