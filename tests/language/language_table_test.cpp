// The language index: its libraries, the flag rule, and its agreement with the text table
// and with the detection of the system language.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "LanguageTable.h"
#include "SystemInfo.h"
#include "TranslatedTextTable.h"

namespace orvix {
namespace {

TEST(LanguageTable, IndexOutsideTheTableLoadsEnglish) {
  EXPECT_STREQ(LibraryFileOf(0), "Danish_help.dll");
  EXPECT_STREQ(LibraryFileOf(1), "English_help.dll");
  EXPECT_STREQ(LibraryFileOf(16), "Vietnamese_help.dll");
  for (int outside : {-1, 17, 18, 1000, INT_MIN, INT_MAX}) {
    EXPECT_STREQ(LibraryFileOf(outside), "English_help.dll") << outside;
    EXPECT_EQ(LanguageOf(outside).index, kEnglishLanguage) << outside;
    EXPECT_FALSE(IsLanguageIndex(outside)) << outside;
  }
}

TEST(LanguageTable, FlagOfAnIndexOutsideTheTableIsEnglishs) {
  for (int index = 0; index < kLanguageCount; ++index) EXPECT_EQ(FlagIndexOf(index), index);
  for (int outside : {-1, 17, INT_MIN, INT_MAX}) EXPECT_EQ(FlagIndexOf(outside), 1) << outside;
}

TEST(LanguageTable, AgreesWithTheLibrariesTheTextTableMakes) {
  ASSERT_EQ(Languages().size(), static_cast<std::size_t>(testing::kTableLanguageCount));
  std::set<std::wstring> names;
  for (int index = 0; index < kLanguageCount; ++index) {
    const LanguageInfo& language = Languages()[static_cast<std::size_t>(index)];
    EXPECT_EQ(language.index, index);
    EXPECT_STREQ(language.libraryFile, testing::kTableLibraryFiles[index]) << index;
    ASSERT_NE(language.ownName, nullptr);
    EXPECT_NE(std::wstring(language.ownName), L"") << index;
    names.insert(language.ownName);
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kLanguageCount)) << "two languages share a name in the chooser";
}

// A detected system language must open the library of that same language.
TEST(LanguageTable, DetectedSystemLanguageOpensItsOwnLibrary) {
  const struct {
    int languageId;
    const char* library;
  } cases[] = {
      {0x0406, "Danish_help.dll"},       {0x0409, "English_help.dll"},   {0x040B, "Finnish_help.dll"},
      {0x080C, "French_help.dll"},       {0x0807, "German_help.dll"},    {0x0410, "Italian_help.dll"},
      {0x0411, "Japanese_help.dll"},     {0x0412, "Korean_help.dll"},    {0x0415, "Polish_help.dll"},
      {0x0419, "Russian_help.dll"},      {0x0804, "SimplChinese_help.dll"}, {0x0C0A, "Spanish_help.dll"},
      {0x041D, "Swedish_help.dll"},      {0x041E, "Thai_help.dll"},      {0x0404, "TradChinese_help.dll"},
      {0x041F, "Turkish_help.dll"},      {0x042A, "Vietnamese_help.dll"}, {0x0413, "English_help.dll"},
  };
  for (const auto& c : cases) EXPECT_STREQ(LibraryFileOf(LanguageIndex(c.languageId)), c.library) << std::hex << c.languageId;
}

}  // namespace
}  // namespace orvix
