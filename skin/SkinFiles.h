// Where the skin art lives in the install folder and in which order its scales are tried.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "SkinState.h"

namespace orvix {

// "<InstallFolder>Skin\<dialog>_<state>@<percent>.png"; the install folder ends in a
// backslash.
std::string StateImageFile(std::string_view installFolder, std::string_view dialog, SkinState state, int percent);
// "<InstallFolder>Skin\<name>@<percent>.png": single pictures such as flags and the badge.
std::string PictureFile(std::string_view installFolder, std::string_view name, int percent);

// The art scales to try for a wanted one: the wanted scale first, then the others nearest
// first, the larger one first on a tie (shrinking art loses less than enlarging it).
std::vector<int> ArtPercentsToTry(int wantedPercent);

}  // namespace orvix
