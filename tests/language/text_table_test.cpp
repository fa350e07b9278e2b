// The text table as translators keep it: every text in all 17 languages, none empty or
// too long, none a forgotten copy of the English text, each in its own script, and with
// the numbers and "%d"s of the English text. Every gap is reported, not only the first.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "TranslatedTextTable.h"

namespace orvix {
namespace {

using testing::kTableLanguageCodes;
using testing::kTableLanguageCount;
using testing::kTableRows;

constexpr int kEnglish = 1;
constexpr int kJapanese = 6, kKorean = 7, kRussian = 9, kSimplifiedChinese = 10, kThai = 13, kTraditionalChinese = 14;

std::string Where(const testing::TableRow& row, int language) {
  return "text " + std::to_string(row.id) + " (" + row.context + "), language " + kTableLanguageCodes[language];
}

struct Range {
  unsigned first, last;
};

bool HasLetterIn(std::wstring_view text, std::initializer_list<Range> ranges) {
  return std::any_of(text.begin(), text.end(), [&](wchar_t c) {
    const auto point = static_cast<unsigned>(c);
    return std::any_of(ranges.begin(), ranges.end(), [&](Range r) { return point >= r.first && point <= r.last; });
  });
}

// The letters a text of a language with a script of its own must contain.
bool IsInItsOwnScript(int language, std::wstring_view text) {
  constexpr Range kHan{0x4E00, 0x9FFF};
  switch (language) {
    case kJapanese: return HasLetterIn(text, {{0x3040, 0x30FF}, kHan});  // kana or kanji
    case kKorean: return HasLetterIn(text, {{0xAC00, 0xD7AF}});
    case kRussian: return HasLetterIn(text, {{0x0400, 0x04FF}});
    case kSimplifiedChinese:
    case kTraditionalChinese: return HasLetterIn(text, {kHan});
    case kThai: return HasLetterIn(text, {{0x0E00, 0x0E7F}});
    default: return true;
  }
}

// Digit runs and "%x" conversions, in sorted order: a translation may move them but must
// keep them all ("profile slot #3" stays 3, "Profile %d" keeps its %d).
std::vector<std::wstring> NumbersAndConversions(std::wstring_view text) {
  std::vector<std::wstring> tokens;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'%' && i + 1 < text.size()) {
      tokens.emplace_back(text.substr(i, 2));
      ++i;
    } else if (text[i] >= L'0' && text[i] <= L'9') {
      std::size_t end = i;
      while (end < text.size() && text[end] >= L'0' && text[end] <= L'9') ++end;
      tokens.emplace_back(text.substr(i, end - i));
      i = end - 1;
    }
  }
  std::sort(tokens.begin(), tokens.end());
  return tokens;
}

// UTF-16 units, as the libraries store the text (wchar_t is 32 bits wide on other hosts).
std::size_t Utf16Length(std::wstring_view text) {
  std::size_t units = 0;
  for (wchar_t c : text) units += (static_cast<unsigned long>(c) >> 16) != 0 ? 2 : 1;
  return units;
}

TEST(TextTable, EveryTextIsThereInEveryLanguage) {
  ASSERT_EQ(kTableLanguageCount, 17);
  ASSERT_GT(std::size(kTableRows), 40u);
  for (const auto& row : kTableRows)
    for (int language = 0; language < kTableLanguageCount; ++language) {
      const wchar_t* text = row.texts[language];
      EXPECT_NE(text, nullptr) << Where(row, language) << " is missing";
      if (!text) continue;
      EXPECT_NE(std::wstring_view(text), L"") << Where(row, language) << " is empty";
      EXPECT_LE(Utf16Length(text), 499u) << Where(row, language) << " is longer than the program reads";
    }
}

TEST(TextTable, NoTranslationIsAForgottenCopyOfTheEnglishText) {
  for (const auto& row : kTableRows) {
    if (!row.texts[kEnglish]) continue;
    const std::wstring_view english = row.texts[kEnglish];
    for (int language = 0; language < kTableLanguageCount; ++language) {
      if (language == kEnglish || !row.texts[language]) continue;
      const bool copy = english == row.texts[language];
      if (row.sameAsEnglish[language])
        EXPECT_TRUE(copy) << Where(row, language) << " is marked \"same\" but differs from the English text";
      else
        EXPECT_FALSE(copy) << Where(row, language) << " is the English text; mark it \"same\" only where that is right";
    }
  }
}

TEST(TextTable, EveryTextIsWrittenInTheScriptOfItsLanguage) {
  for (const auto& row : kTableRows)
    for (int language : {kJapanese, kKorean, kRussian, kSimplifiedChinese, kThai, kTraditionalChinese}) {
      if (!row.texts[language] || row.sameAsEnglish[language]) continue;
      EXPECT_TRUE(IsInItsOwnScript(language, row.texts[language])) << Where(row, language) << " is not in its script";
    }
}

TEST(TextTable, ChineseRowsAreNotCopiesOfEachOther) {
  // Short words ("更新", "取消") are written alike in both scripts; sentences are not.
  for (const auto& row : kTableRows) {
    const wchar_t* simplified = row.texts[kSimplifiedChinese];
    const wchar_t* traditional = row.texts[kTraditionalChinese];
    if (!simplified || !traditional || row.sameAsEnglish[kSimplifiedChinese] || std::wstring_view(simplified).size() <= 4) continue;
    EXPECT_NE(std::wstring_view(simplified), traditional) << "text " << row.id << ": zh-Hant is a copy of zh-Hans";
  }
}

TEST(TextTable, TranslationsKeepTheNumbersAndConversionsOfTheEnglishText) {
  for (const auto& row : kTableRows) {
    if (!row.texts[kEnglish]) continue;
    const auto expected = NumbersAndConversions(row.texts[kEnglish]);
    for (int language = 0; language < kTableLanguageCount; ++language) {
      if (!row.texts[language]) continue;
      EXPECT_EQ(NumbersAndConversions(row.texts[language]), expected) << Where(row, language);
    }
  }
}

}  // namespace
}  // namespace orvix
