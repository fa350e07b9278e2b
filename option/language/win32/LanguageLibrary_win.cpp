#include "LanguageLibrary_win.h"

#include "EnglishTexts.h"
#include "LanguageTable.h"
#include "StringResource_win.h"

namespace orvix {
namespace {

// The install folder comes as the suite keeps its paths: in the ANSI code page.
std::wstring WideFromAnsi(const std::string& text) {
  if (text.empty()) return {};
  const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::wstring WideFromAscii(const char* text) { return std::wstring(text, text + std::char_traits<char>::length(text)); }

}  // namespace

bool LanguageLibrary::Load(const std::string& installFolder, int languageIndex) {
  Unload();
  const std::wstring help = WideFromAnsi(installFolder) + L"help\\";
  const LanguageInfo& language = LanguageOf(languageIndex);
  language_ = LoadLibraryAsData(help + WideFromAscii(language.libraryFile));
  if (language.index != kEnglishLanguage) english_ = LoadLibraryAsData(help + WideFromAscii(LibraryFileOf(kEnglishLanguage)));
  return IsLoaded();
}

void LanguageLibrary::Unload() {
  language_.reset();
  english_.reset();
}

std::wstring LanguageLibrary::Text(int id) const {
  std::wstring text = ReadStringResource(language_.get(), id);
  if (text.empty()) text = ReadStringResource(english_.get(), id);
  if (text.empty()) text = EnglishText(id);
  return text;
}

}  // namespace orvix
