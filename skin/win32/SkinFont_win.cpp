// Skin fonts.
#include "SkinFont_win.h"

#include <algorithm>
#include <cwchar>

namespace orvix {

std::shared_ptr<const SkinFont> SkinFont::Create(const FontSpec& spec, const DpiScale& dpi) {
  LOGFONTW logFont{};
  logFont.lfHeight = std::max(1, dpi.Scale(spec.height96));
  if (spec.emHeight) logFont.lfHeight = -logFont.lfHeight;
  logFont.lfWidth = spec.width96 > 0 ? dpi.Scale(spec.width96) : 0;
  logFont.lfWeight = spec.weight;
  logFont.lfCharSet = spec.charset;
  logFont.lfQuality = CLEARTYPE_QUALITY;
  logFont.lfOutPrecision = OUT_TT_PRECIS;
  std::size_t length = std::min(spec.face.size(), std::size(logFont.lfFaceName) - 1);
  std::wmemcpy(logFont.lfFaceName, spec.face.data(), length);
  FontHandle font(::CreateFontIndirectW(&logFont));
  if (!font) return nullptr;
  return std::shared_ptr<const SkinFont>(new SkinFont(std::move(font)));
}

HFONT FontOrDefault(const FontRef& font) {
  return font ? font->handle() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace orvix
