// Picture files (PNG, JPEG, GIF and the other formats of the platform's decoder, GDI+) turned
// into skin pictures of a chosen size, every frame of an animation with its delay. A file
// that is missing, damaged, too large or hostile gives nullopt, never a crash.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "SkinBitmap_win.h"

namespace orvix {

enum class PictureBackground {
  kWhite,     // drawn over white, opaque: transparent parts become the white outside of a shape
  kKeepAlpha  // premultiplied alpha kept, drawn with AlphaBlend
};

struct DecodedPicture {
  int naturalWidth = 0, naturalHeight = 0;
  std::vector<SkinBitmap> frames;  // at least one
  std::vector<int> delaysMs;       // one per frame, by the frame delay rule
};

// The size to decode to, from the file's own size.
using PictureSize = std::function<SIZE(SIZE natural)>;

inline constexpr std::size_t kMaxPictureFileBytes = 64u << 20;
// Frames beyond these are left out: an animation that would need more memory plays what fits.
inline constexpr std::size_t kMaxPictureFrames = 1000;
inline constexpr std::size_t kMaxAnimationBytes = 128u << 20;

std::optional<DecodedPicture> DecodePictureFile(const std::wstring& path, const PictureSize& size,
                                                PictureBackground background, std::size_t maxFrames = 1);

}  // namespace orvix
