#include "TextFormat.h"

namespace orvix {

std::wstring FormatWithNumber(std::wstring_view pattern, int number) {
  std::wstring text;
  text.reserve(pattern.size() + 11);
  bool numberPlaced = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
    if (pattern[i] == L'%' && next == L'%') {
      text += L'%';
      ++i;
    } else if (pattern[i] == L'%' && next == L'd' && !numberPlaced) {
      text += std::to_wstring(number);
      numberPlaced = true;
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace orvix
