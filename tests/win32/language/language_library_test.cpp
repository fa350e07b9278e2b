// The language libraries of the install folder read as data, and the loader's fallback to
// English text by text: the chosen library, then "English_help.dll", then the program.
#include <gtest/gtest.h>

#include <string>

#include "EnglishTexts.h"
#include "LanguageFolders_win.h"
#include "LanguageLibrary_win.h"
#include "LanguageTable.h"
#include "TextIds.h"
#include "TranslatedTextTable.h"

namespace orvix {
namespace {

using testing::BuildInstallFolder;
using testing::FixtureFolder;
using testing::TempInstallFolder;

std::string InstallFolder() { return BuildInstallFolder().string() + "\\"; }

const wchar_t* TableText(int id, int language) {
  for (const auto& row : testing::kTableRows)
    if (row.id == id) return row.texts[language];
  return nullptr;
}

TEST(LanguageLibraries, EachInstalledLibraryHoldsTheTablesTextsOfItsLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    LanguageLibrary library;
    ASSERT_TRUE(library.Load(InstallFolder(), language)) << LibraryFileOf(language) << " does not load";
    for (const auto& row : testing::kTableRows) {
      if (!row.texts[language]) continue;  // reported by the table's own tests
      EXPECT_EQ(library.Text(row.id), row.texts[language]) << LibraryFileOf(language) << ", text " << row.id;
    }
  }
}

TEST(LanguageLibraries, IndexOutsideTheTableReadsEnglish) {
  for (int outside : {-1, 17, 250}) {
    LanguageLibrary library;
    EXPECT_TRUE(library.Load(InstallFolder(), outside));
    EXPECT_EQ(library.Text(kTextQuickHelpApply), TableText(kTextQuickHelpApply, kEnglishLanguage)) << outside;
  }
}

TEST(LanguageLibraries, ReloadingAnotherLanguageOrUnloadingIsSafeAtAnyTime) {
  LanguageLibrary library;
  EXPECT_EQ(library.Text(kTextLabelOk), L"OK");  // nothing loaded yet: the program's English
  for (int round = 0; round < 3; ++round) {
    ASSERT_TRUE(library.Load(InstallFolder(), 6));
    const std::wstring japanese = library.Text(kTextLabelCancel);
    ASSERT_TRUE(library.Load(InstallFolder(), 6));  // the same again
    EXPECT_EQ(library.Text(kTextLabelCancel), japanese);
    ASSERT_TRUE(library.Load(InstallFolder(), 13));
    EXPECT_EQ(library.Text(kTextLabelCancel), TableText(kTextLabelCancel, 13));
    library.Unload();
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(library.Text(kTextLabelCancel), L"Cancel");
    library.Unload();  // twice is harmless
  }
  LanguageLibrary moved = std::move(library);
  ASSERT_TRUE(moved.Load(InstallFolder(), 9));
  EXPECT_EQ(moved.Text(kTextLabelCancel), TableText(kTextLabelCancel, 9));
}

TEST(LanguageFallback, MissingLibraryReadsEnglishLibraryThenTheProgramsEnglish) {
  TempInstallFolder install;
  install.Install(FixtureFolder() / "partial_english.dll", "English_help.dll");
  LanguageLibrary library;
  EXPECT_FALSE(library.Load(install.Folder(), 6));  // no Japanese_help.dll
  EXPECT_EQ(library.Text(kTextQuickHelpExit), L"Text of the English library");
  EXPECT_EQ(library.Text(kTextQuickHelpMin), EnglishText(kTextQuickHelpMin));
  EXPECT_EQ(library.Text(kTextLabelSlot), L"Profile %d");
}

TEST(LanguageFallback, NoHelpFolderAtAllLeavesTheProgramsEnglish) {
  for (const std::string& folder : {std::string(), std::string("Z:\\no\\such\\folder\\"), std::string("C:\\")}) {
    LanguageLibrary library;
    EXPECT_FALSE(library.Load(folder, 3)) << folder;
    EXPECT_EQ(library.Text(kTextButtonYes), L"Yes");
    EXPECT_EQ(library.Text(kTextNoticeTitle), L"Orvix One");
  }
}

TEST(LanguageFallback, LibraryLackingTextsFallsBackTextByText) {
  TempInstallFolder install;
  install.Install(FixtureFolder() / "partial_language.dll", "French_help.dll");
  install.Install(FixtureFolder() / "partial_english.dll", "English_help.dll");
  LanguageLibrary library;
  ASSERT_TRUE(library.Load(install.Folder(), 3));
  EXPECT_EQ(library.Text(kTextQuickHelpMin), L"Text of the partial library");
  EXPECT_EQ(library.Text(kTextLabelSlot), L"Teilprofil %d");
  EXPECT_EQ(library.Text(kTextQuickHelpExit), L"Text of the English library");
  EXPECT_EQ(library.Text(kTextQuickHelpTabButtons), EnglishText(kTextQuickHelpTabButtons));
  EXPECT_EQ(library.Text(kTextQuestionRestoreChanges), EnglishText(kTextQuestionRestoreChanges));
}

TEST(LanguageFallback, TextsAreReadThroughABufferOf500Characters) {
  TempInstallFolder install;
  install.Install(FixtureFolder() / "partial_language.dll", "French_help.dll");
  LanguageLibrary library;
  ASSERT_TRUE(library.Load(install.Folder(), 3));
  const std::wstring cut = library.Text(kTextQuickHelpTabMain);  // 600 characters in the library
  ASSERT_EQ(cut.size(), 499u);
  EXPECT_EQ(cut.substr(0, 12), L"012345678901");
  EXPECT_EQ(cut.back(), L'8');
}

TEST(LanguageFallback, IdentifiersNoLibraryHasGiveNothing) {
  LanguageLibrary library;
  ASSERT_TRUE(library.Load(InstallFolder(), 4));
  for (int id : {0, -1, 999, 3104, 65535, 65536 + kTextQuickHelpMin, -65536 + kTextQuickHelpMin})
    EXPECT_EQ(library.Text(id), L"") << id;
}

}  // namespace
}  // namespace orvix
