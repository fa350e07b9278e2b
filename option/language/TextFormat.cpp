#include "TextFormat.h"

namespace orvix {
namespace {

std::wstring Format(std::wstring_view pattern, wchar_t placeholder, std::wstring_view value) {
  std::wstring text;
  text.reserve(pattern.size() + value.size());
  bool valuePlaced = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
    if (pattern[i] == L'%' && next == L'%') {
      text += L'%';
      ++i;
    } else if (pattern[i] == L'%' && next == placeholder && !valuePlaced) {
      text += value;
      valuePlaced = true;
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace

std::wstring FormatWithNumber(std::wstring_view pattern, int number) {
  return Format(pattern, L'd', std::to_wstring(number));
}

std::wstring FormatWithText(std::wstring_view pattern, std::wstring_view value) { return Format(pattern, L's', value); }

}  // namespace orvix
