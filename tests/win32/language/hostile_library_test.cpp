// What lies in "help\" is any file: garbage, a cut library, a damaged string table or a
// library with code. None of it may crash the program, show garbage or run code.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <random>
#include <string>

#include "EnglishTexts.h"
#include "LanguageFolders_win.h"
#include "LanguageLibrary_win.h"
#include "LanguageTable.h"
#include "StringResource_win.h"
#include "TextIds.h"
#include "TranslatedTextTable.h"

namespace orvix {
namespace {

using testing::BuildInstallFolder;
using testing::FixtureFolder;
using testing::ReadFile;
using testing::TempInstallFolder;

constexpr int kJapanese = 6;

std::string RandomBytes(std::size_t size, bool withPeSignature) {
  std::mt19937 random(1234);
  std::string bytes(size, '\0');
  for (char& b : bytes) b = static_cast<char>(random());
  if (withPeSignature) {
    bytes[0] = 'M';
    bytes[1] = 'Z';
  }
  return bytes;
}

TEST(HostileLibraries, GarbageAndCutLibrariesReadEnglishNeverGarbage) {
  const std::string library = ReadFile(BuildInstallFolder() / "help" / "Japanese_help.dll");
  const struct {
    const char* what;
    std::string bytes;
  } damaged[] = {
      {"an empty file", ""},
      {"random bytes", RandomBytes(4096, false)},
      {"random bytes after \"MZ\"", RandomBytes(4096, true)},
      {"the headers alone", library.substr(0, 512)},
      {"half of the library", library.substr(0, library.size() / 2)},
      {"the library but its last byte", library.substr(0, library.size() - 1)},
  };
  for (const auto& d : damaged) {
    TempInstallFolder install;
    install.Install(BuildInstallFolder() / "help" / "English_help.dll", "English_help.dll");
    install.WriteHelpFile("Japanese_help.dll", d.bytes);
    LanguageLibrary language;
    const bool loaded = language.Load(install.Folder(), kJapanese);
    // A cut library may still map when what is cut off is padding; its texts are then whole.
    for (const auto& row : testing::kTableRows) {
      const std::wstring text = language.Text(row.id);
      if (loaded && text == row.texts[kJapanese]) continue;
      EXPECT_EQ(text, row.texts[kEnglishLanguage]) << d.what << ", text " << row.id;
    }
    if (d.bytes.size() < 1024) {
      EXPECT_FALSE(loaded) << d.what;
    }
  }
}

TEST(HostileLibraries, DamagedStringBlockIsNotReadPastItsEnd) {
  TempInstallFolder install;
  install.Install(FixtureFolder() / "damaged_strings.dll", "Italian_help.dll");
  LanguageLibrary language;
  ASSERT_TRUE(language.Load(install.Folder(), 5));
  EXPECT_EQ(language.Text(kTextQuickHelpMin), EnglishText(kTextQuickHelpMin));    // its length runs past the block
  EXPECT_EQ(language.Text(kTextQuickHelpExit), EnglishText(kTextQuickHelpExit));  // behind the damaged one
  EXPECT_EQ(language.Text(kTextLabelSlot), L"Intact %d");                          // another block
}

TEST(HostileLibraries, LibraryWithCodeIsReadAsDataAndItsEntryPointNeverRuns) {
  const std::filesystem::path withCode = FixtureFolder() / "library_with_code.dll";
  {
    // The marker works: loaded the ordinary way, the library's DllMain leaves it.
    TempInstallFolder control;
    control.Install(withCode, "Some_help.dll");
    const HMODULE ran = ::LoadLibraryW((control.Help() / "Some_help.dll").wstring().c_str());
    ASSERT_NE(ran, nullptr);
    ::FreeLibrary(ran);
    ASSERT_TRUE(std::filesystem::exists(control.Help() / "DllMain.ran"));
  }
  TempInstallFolder install;
  install.Install(withCode, "German_help.dll");
  install.Install(withCode, "English_help.dll");
  for (int round = 0; round < 2; ++round) {
    LanguageLibrary language;
    ASSERT_TRUE(language.Load(install.Folder(), 4));
    EXPECT_EQ(language.Text(kTextQuickHelpMin), L"Text of the library with code");
    EXPECT_EQ(language.Text(kTextQuickHelpExit), EnglishText(kTextQuickHelpExit));
    language.Unload();
    ASSERT_TRUE(language.Load(install.Folder(), kEnglishLanguage));
  }
  EXPECT_FALSE(std::filesystem::exists(install.Help() / "DllMain.ran")) << "a language library's code ran";
}

TEST(HostileLibraries, NoLibraryReadsNoText) {
  EXPECT_EQ(ReadStringResource(nullptr, kTextQuickHelpMin), L"");
  EXPECT_FALSE(LoadLibraryAsData(L""));
  EXPECT_FALSE(LoadLibraryAsData(L"Z:\\no\\such\\library.dll"));
}

}  // namespace
}  // namespace orvix
