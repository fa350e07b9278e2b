#include "LanguageFont_win.h"

#include <cwchar>

#include "LanguageTable.h"

namespace orvix {

LOGFONTW LanguageLogFont(int languageIndex, const wchar_t* face, int height, int weight) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfCharSet = static_cast<BYTE>(LanguageOf(languageIndex).fontCharset);
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  if (face) std::wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
  return font;
}

}  // namespace orvix
