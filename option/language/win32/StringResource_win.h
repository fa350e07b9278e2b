// Libraries opened for their resources only, and string resources read from them with
// every length checked: a language library is a file anyone can replace.
#pragma once

#include <windows.h>

#include <string>

#include "WinHandles.h"

namespace orvix {

// Longest text read from a library, with its terminator: a longer one is cut.
inline constexpr int kTextBufferSize = 500;

// Maps a library as an image of resources: no code of it runs, neither its entry point
// nor anything it imports. Null when the file is missing or not a library.
ModuleHandle LoadLibraryAsData(const std::wstring& path);

// The string resource of an identifier; empty when the library has none, or when the
// string table that should hold it is damaged.
std::wstring ReadStringResource(HMODULE library, int id);

}  // namespace orvix
