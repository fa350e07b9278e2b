// Wine shows every script of the languages: a font asked for the frame's face (Arial) with
// the language's character set has a glyph for every character of every text, and each
// chooser item finds one for its language's own name.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "LanguageFont_win.h"
#include "LanguageTable.h"
#include "TranslatedTextTable.h"

namespace orvix {
namespace {

// The characters of a text that the font chosen for the language has no glyph for.
std::wstring MissingGlyphs(int language, const std::wstring& text) {
  const LOGFONTW description = LanguageLogFont(language, L"Arial", -14);
  HFONT font = ::CreateFontIndirectW(&description);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ previous = ::SelectObject(dc, font);
  std::vector<WORD> glyphs(text.size());
  std::wstring missing;
  if (::GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
    missing = L"(no glyphs at all)";
  for (std::size_t i = 0; i < glyphs.size() && missing.size() < 20; ++i)
    if (glyphs[i] == 0xFFFF) missing += text[i];
  ::SelectObject(dc, previous);
  ::DeleteDC(dc);
  ::DeleteObject(font);
  return missing;
}

std::string Utf8(const std::wstring& text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
  return utf8;
}

TEST(LanguageFonts, EveryTextOfEveryLanguageHasItsGlyphs) {
  for (int language = 0; language < kLanguageCount; ++language)
    for (const auto& row : testing::kTableRows) {
      if (!row.texts[language]) continue;
      EXPECT_EQ(Utf8(MissingGlyphs(language, row.texts[language])), "")
          << testing::kTableLanguageCodes[language] << ", text " << row.id;
    }
}

TEST(LanguageFonts, EveryChooserItemShowsItsLanguagesName) {
  for (const LanguageInfo& language : Languages())
    EXPECT_EQ(Utf8(MissingGlyphs(language.index, language.ownName)), "") << language.libraryFile;
}

TEST(LanguageFonts, WithoutTheCharacterSetArialLacksTheScripts) {
  // Why the character set matters: the same face asked for as Western has no Thai.
  const LOGFONTW western = LanguageLogFont(kEnglishLanguage, L"Arial", -14);
  const LOGFONTW thai = LanguageLogFont(13, L"Arial", -14);
  EXPECT_NE(western.lfCharSet, thai.lfCharSet);
  EXPECT_NE(Utf8(MissingGlyphs(kEnglishLanguage, L"ไทย")), "");
}

}  // namespace
}  // namespace orvix
