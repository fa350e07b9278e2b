// The interface language in use: the language library of the chosen language, from
// "help\" of the install folder, with English standing in for each text it lacks: first
// "English_help.dll", then the English compiled into the program.
#pragma once

#include <windows.h>

#include <string>

#include "WinHandles.h"

namespace orvix {

class LanguageLibrary {
 public:
  // Replaces the loaded library with that of a language index (English for a value
  // outside 0..16). Returns whether the language's own library could be loaded; when it
  // could not, every text is English. The libraries are opened as data only.
  bool Load(const std::string& installFolder, int languageIndex);
  // Back to the compiled-in English texts only.
  void Unload();
  bool IsLoaded() const { return static_cast<bool>(language_); }

  // The text of an identifier, read through a buffer of 500 characters; empty only when
  // no library and not the program has it.
  std::wstring Text(int id) const;

 private:
  ModuleHandle language_;
  ModuleHandle english_;  // stays null when the language is English itself
};

}  // namespace orvix
