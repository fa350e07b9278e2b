// The 17 interface languages of the configuration program: the language index stored as
// `QuickHelpLan`, the library of each in "help\" of the install folder, and the name the
// language chooser shows, written in the language itself.
#pragma once

#include <span>

namespace orvix {

inline constexpr int kLanguageCount = 17;
inline constexpr int kEnglishLanguage = 1;

struct LanguageInfo {
  int index;
  const char* libraryFile;  // file name in "help\"
  const wchar_t* ownName;   // the same in every language library, so kept here
  // The GDI character set of the language's fonts: asked for with it, the system maps a
  // face such as Arial to a font that has the language's script (Wine included).
  int fontCharset;
};

// Every language in index order 0..16.
std::span<const LanguageInfo> Languages();

bool IsLanguageIndex(int index);
// The language of an index; English for any value outside 0..16.
const LanguageInfo& LanguageOf(int index);
// "English_help.dll" for any value outside 0..16.
const char* LibraryFileOf(int index);
// The flag the language button shows: a value outside 0..16 shows the flag of index 1.
int FlagIndexOf(int index);

}  // namespace orvix
