// A font of the skin, given in 96-DPI units (as "Arial, height 14, width 6") and created at
// a window's DPI. Controls share fonts, so each is held by shared ownership and lives as
// long as its last user.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "DpiScale.h"
#include "GdiHandles_win.h"

namespace orvix {

struct FontSpec {
  std::wstring_view face = L"Arial";
  int height96 = 14;  // cell height, as a positive LOGFONT height
  int width96 = 0;    // 0: the face's own width
  int weight = FW_NORMAL;
  // The script the text is in: with the language's character set a face that lacks the
  // script (Arial for Japanese or Thai) is mapped to one that has it.
  BYTE charset = DEFAULT_CHARSET;
  // `height96` is the height of the letters themselves (the em) rather than of the cell:
  // faces of scripts with tall marks (Thai) then show their letters as large as Arial's.
  bool emHeight = false;
};

class SkinFont {
 public:
  static std::shared_ptr<const SkinFont> Create(const FontSpec& spec, const DpiScale& dpi);

  HFONT handle() const { return font_.get(); }

 private:
  explicit SkinFont(FontHandle font) : font_(std::move(font)) {}
  FontHandle font_;
};

using FontRef = std::shared_ptr<const SkinFont>;

// The font's handle, or the system's GUI font when there is none.
HFONT FontOrDefault(const FontRef& font);

}  // namespace orvix
