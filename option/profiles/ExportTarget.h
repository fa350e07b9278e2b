// Where a profile may be exported to. The five slot files ("config\Default<i>.nmp") are
// the stored profiles themselves: an export must never land on one of them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvix {

// The file name proposed for exporting a profile: its name made a valid Windows file
// name ("Profile" when nothing is left) with ".nmp".
std::string ProposedExportFileName(std::string_view profileName);

// Whether `path` (a full path) is one of the slot files of `installFolder` (ending in a
// backslash). Compared as Windows does: letters in any case, "/" as "\", "." and ".."
// parts resolved.
bool IsSlotFile(std::string_view path, std::string_view installFolder);

// The file's title: its name without folder and extension ("C:\x\My.nmp" -> "My").
std::string FileTitleOf(std::string_view path);

// "<installFolder>config\<title>.nmp", where the program keeps a copy of every export;
// none when that is a slot file or longer than a Windows path may be.
std::optional<std::string> LibraryCopyPath(std::string_view installFolder, std::string_view title);

}  // namespace orvix
