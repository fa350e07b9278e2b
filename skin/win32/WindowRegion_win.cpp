// Regions from bitmaps through GetDIBits and ExtCreateRegion.
#include "WindowRegion_win.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace orvix {
namespace {

// The bitmap's pixels as a 32-bit top-down copy, read with one GetDIBits call.
struct BitmapBits {
  int width = 0, height = 0;
  std::vector<std::uint8_t> bytes;
  PixelView View() const { return {bytes.data(), width, height, static_cast<std::ptrdiff_t>(width) * 4}; }
};

std::optional<BitmapBits> ReadBits(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || ::GetObjectW(bitmap, sizeof info, &info) != sizeof info || info.bmWidth <= 0 || info.bmHeight == 0)
    return std::nullopt;
  BitmapBits bits;
  bits.width = info.bmWidth;
  bits.height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  if (bits.width > 16384 || bits.height > 16384) return std::nullopt;
  bits.bytes.resize(static_cast<std::size_t>(bits.width) * bits.height * 4);
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof header.bmiHeader;
  header.bmiHeader.biWidth = bits.width;
  header.bmiHeader.biHeight = -bits.height;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  WindowDc screen(nullptr);
  if (!screen) return std::nullopt;
  int rows = ::GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(bits.height), bits.bytes.data(), &header,
                         DIB_RGB_COLORS);
  if (rows != bits.height) return std::nullopt;
  return bits;
}

// The union of the runs, one ExtCreateRegion per batch.
RegionHandle RegionOfRuns(const PixelView& view, const TransparentColour& colour, RunsOf which) {
  RegionHandle result(::CreateRectRgn(0, 0, 0, 0));
  if (!result) return {};
  std::vector<std::uint8_t> buffer;
  bool failed = false;
  bool readable = CollectRuns(view, colour, which, [&](std::span<const PixelRect> batch) {
    if (failed) return;
    const std::size_t bytes = sizeof(RGNDATAHEADER) + batch.size() * sizeof(RECT);
    buffer.assign(bytes, 0);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(batch.size());
    data->rdh.rcBound = {0, 0, view.width, view.height};
    auto* rects = reinterpret_cast<RECT*>(data->Buffer);
    for (std::size_t i = 0; i < batch.size(); ++i)
      rects[i] = {batch[i].left, batch[i].top, batch[i].right, batch[i].bottom};
    RegionHandle part(::ExtCreateRegion(nullptr, static_cast<DWORD>(bytes), data));
    if (!part || ::CombineRgn(result.get(), result.get(), part.get(), RGN_OR) == ERROR) failed = true;
  });
  if (!readable || failed) return {};
  return result;
}

}  // namespace

RegionHandle RegionFromBitmap(HBITMAP bitmap, const TransparentColour& colour) {
  std::optional<BitmapBits> bits = ReadBits(bitmap);
  if (!bits) return {};
  return RegionOfRuns(bits->View(), colour, RunsOf::kKept);
}

RegionHandle RegionWithoutCornerColour(HBITMAP bitmap, const RECT& full) {
  RegionHandle result(::CreateRectRgnIndirect(&full));
  std::optional<BitmapBits> bits = ReadBits(bitmap);
  if (!result || !bits) return result;
  RegionHandle corner = RegionOfRuns(bits->View(), CornerColour(bits->View()), RunsOf::kTransparent);
  if (corner) ::CombineRgn(result.get(), result.get(), corner.get(), RGN_DIFF);
  return result;
}

bool ApplyWindowRegion(HWND window, RegionHandle region, bool redraw) {
  if (!window || !region) return false;
  if (!::SetWindowRgn(window, region.get(), redraw ? TRUE : FALSE)) return false;
  region.release();  // the system owns it now
  return true;
}

}  // namespace orvix
