// Loading of the state pictures with their fall-backs.
#include "SkinImages_win.h"

#include <algorithm>
#include <functional>
#include <string>

#include "PictureDecoder_win.h"
#include "SkinColours_win.h"
#include "SkinFiles.h"
#include "WideText_win.h"

namespace orvix {
namespace {

COLORREF StandInColour(SkinState state) {
  switch (state) {
    case SkinState::kHover: return skin_colours::kStandInHover;
    case SkinState::kPressed: return skin_colours::kStandInPressed;
    case SkinState::kDisabled: return skin_colours::kStandInDisabled;
    case SkinState::kNormal: break;
  }
  return skin_colours::kStandInNormal;
}

struct Found {
  SkinBitmap picture;
  int percent;
};

// The first readable file of the art scales, in the order of ArtPercentsToTry.
template <typename SizeForPercent>
std::optional<Found> LoadNearestScale(const DpiScale& dpi, const std::function<std::string(int)>& fileOf,
                                      SizeForPercent sizeFor, PictureBackground background) {
  for (int percent : ArtPercentsToTry(dpi.ArtPercent())) {
    std::optional<DecodedPicture> decoded = DecodePictureFile(
        WideFromAnsi(fileOf(percent)), [&](SIZE natural) { return sizeFor(natural, percent); }, background);
    if (decoded) return Found{std::move(decoded->frames.front()), percent};
  }
  return std::nullopt;
}

}  // namespace

SkinImages SkinImages::Load(std::string_view installFolder, std::string_view dialog, const DpiScale& dpi,
                            int width96, int height96) {
  SkinImages images;
  images.width_ = std::clamp(dpi.Scale(width96), 1, SkinBitmap::kMaxSide);
  images.height_ = std::clamp(dpi.Scale(height96), 1, SkinBitmap::kMaxSide);
  // Every state is resampled to the layout's size, whatever size its file has: the
  // controls are cut at layout rectangles.
  const SIZE size{images.width_, images.height_};
  for (SkinState state : kSkinStates) {
    std::optional<Found> found = LoadNearestScale(
        dpi, [&](int percent) { return StateImageFile(installFolder, dialog, state, percent); },
        [size](SIZE, int) { return size; }, PictureBackground::kWhite);
    const int i = StateIndex(state);
    if (found) {
      images.images_[i] = std::make_shared<const SkinBitmap>(std::move(found->picture));
      images.percents_[i] = found->percent;
    } else if (state != SkinState::kNormal && images.percents_[StateIndex(SkinState::kNormal)] != 0) {
      images.images_[i] = images.images_[StateIndex(SkinState::kNormal)];
    } else {
      std::optional<SkinBitmap> standIn = SkinBitmap::Filled(size.cx, size.cy, StandInColour(state));
      if (!standIn) standIn = SkinBitmap::Filled(1, 1, StandInColour(state));
      images.images_[i] = std::make_shared<const SkinBitmap>(std::move(*standIn));
    }
  }
  return images;
}

std::shared_ptr<const SkinBitmap> SkinImages::Cut(SkinState state, const PixelRect& rect) const {
  std::optional<SkinBitmap> piece = Image(state).Cut(rect, StandInColour(state));
  if (!piece) return nullptr;
  return std::make_shared<const SkinBitmap>(std::move(*piece));
}

std::optional<SkinBitmap> LoadSkinPicture(std::string_view installFolder, std::string_view name,
                                          const DpiScale& dpi) {
  std::optional<Found> found = LoadNearestScale(
      dpi, [&](int percent) { return PictureFile(installFolder, name, percent); },
      [&dpi](SIZE natural, int percent) {
        return SIZE{std::max(1, dpi.FromArt(natural.cx, percent)), std::max(1, dpi.FromArt(natural.cy, percent))};
      },
      PictureBackground::kKeepAlpha);
  if (!found) return std::nullopt;
  return std::move(found->picture);
}

}  // namespace orvix
