// A dialog's four full-window state pictures (normal, hover, pressed, disabled), from
// "<InstallFolder>Skin\<dialog>_<state>@<percent>.png" in the art set of the window's DPI,
// resampled to the dialog's size at that DPI. A control's look in a state is its rectangle
// cut out of that state's picture.
//
// Missing or damaged files never leave a hole: a missing scale falls back to the nearest
// other one; a state without any file takes the normal picture, and a dialog without a
// normal picture gets plain generated graphite, one shade per state.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "DpiScale.h"
#include "SkinBitmap_win.h"
#include "SkinState.h"

namespace orvix {

class SkinImages {
 public:
  // `width96` and `height96` are the dialog's size in 96-DPI units (its layout).
  static SkinImages Load(std::string_view installFolder, std::string_view dialog, const DpiScale& dpi, int width96,
                         int height96);

  int width() const { return width_; }
  int height() const { return height_; }
  const SkinBitmap& Image(SkinState state) const { return *images_[StateIndex(state)]; }
  // Where a state's picture came from: the art percent of its file, or 0 when generated or
  // taken from the normal picture.
  int SourcePercent(SkinState state) const { return percents_[StateIndex(state)]; }

  // The control's rectangle (this DPI's pixels) cut out of a state's picture.
  std::shared_ptr<const SkinBitmap> Cut(SkinState state, const PixelRect& rect) const;

 private:
  SkinImages() = default;

  int width_ = 0, height_ = 0;
  std::array<std::shared_ptr<const SkinBitmap>, 4> images_;
  std::array<int, 4> percents_{};
};

// A single picture, "<InstallFolder>Skin\<name>@<percent>.png" (flags, the badge), in the
// art set of the DPI or the nearest one there is, at its size for this DPI, transparency
// kept. Nullopt when no readable file exists.
std::optional<SkinBitmap> LoadSkinPicture(std::string_view installFolder, std::string_view name,
                                          const DpiScale& dpi);

}  // namespace orvix
