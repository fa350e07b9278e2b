// Fonts for the texts of a language: the frame's face and size with the language's
// character set, so that a face without the script (Arial for Japanese or Thai) is mapped
// to one that has it.
#pragma once

#include <windows.h>

namespace orvix {

// The description to make a font from (CreateFontIndirectW); the language index is
// clamped like everywhere else, a value outside 0..16 being English.
LOGFONTW LanguageLogFont(int languageIndex, const wchar_t* face, int height, int weight = FW_NORMAL);

}  // namespace orvix
