// Game-profile switching: which profile names the program in front, and which profile
// the monitor should switch to for it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "ConfigRecord.h"

namespace orvix {

// The program named by a stored game-file path: white space trimmed, folder removed,
// file name and extension kept. Empty for a blank entry. The field need not be
// terminated; at most `size` bytes are read.
std::string GameFileProgramName(const char* field, std::size_t size);

// First profile 0..4 (and within it GameFile0..2) naming `executable`, compared ignoring
// case; nothing when no profile names it.
std::optional<int> ProfileNamingProgram(const ConfigRecord& config, std::string_view executable);

struct ProfileSwitch {
  int target;
  unsigned soundTimer;  // 601 announces the profile, 602 the Windows profile
};

// The switch the foreground check asks for, or nothing. Without a game in front the
// monitor returns to `WindowsProfile`, unless there is none (or it names no slot) or the
// configuration program is open. No switch when the target is already current.
std::optional<ProfileSwitch> ChooseForegroundProfile(const ConfigRecord& config,
                                                     const std::optional<std::string>& executable,
                                                     bool configurationOpen);

}  // namespace orvix
