#include "core/GameProfiles.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "core/MonitorPorts.h"

namespace orvix {
namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool EqualIgnoringCase(std::string_view x, std::string_view y) {
  return x.size() == y.size() && std::equal(x.begin(), x.end(), y.begin(), [](char p, char q) {
           return std::tolower(static_cast<unsigned char>(p)) == std::tolower(static_cast<unsigned char>(q));
         });
}

bool IsValidProfile(int p) { return p >= 0 && p < kProfiles; }

}  // namespace

std::string GameFileProgramName(const char* field, std::size_t size) {
  std::string_view path(field, ::strnlen(field, size));
  while (!path.empty() && IsBlank(path.front())) path.remove_prefix(1);
  while (!path.empty() && IsBlank(path.back())) path.remove_suffix(1);
  if (const auto slash = path.find_last_of("\\/"); slash != std::string_view::npos) path.remove_prefix(slash + 1);
  return std::string(path);
}

std::optional<int> ProfileNamingProgram(const ConfigRecord& config, std::string_view executable) {
  if (executable.empty()) return std::nullopt;
  for (int p = 0; p < kProfiles; ++p) {
    const ProfileRecord& profile = config.profiles[p];
    for (const auto* field : {&profile.GameFile0, &profile.GameFile1, &profile.GameFile2}) {
      const std::string name = GameFileProgramName(*field, sizeof *field);
      if (!name.empty() && EqualIgnoringCase(name, executable)) return p;
    }
  }
  return std::nullopt;
}

std::optional<ProfileSwitch> ChooseForegroundProfile(const ConfigRecord& config,
                                                     const std::optional<std::string>& executable,
                                                     bool configurationOpen) {
  std::optional<ProfileSwitch> choice;
  if (const auto game = executable ? ProfileNamingProgram(config, *executable) : std::nullopt) {
    choice = ProfileSwitch{*game, kProfileSoundTimerId};
  } else if (IsValidProfile(config.WindowsProfile) && !configurationOpen) {
    choice = ProfileSwitch{config.WindowsProfile, kWindowsProfileSoundTimerId};
  }
  if (choice && choice->target == config.CurrentProfile) return std::nullopt;
  return choice;
}

}  // namespace orvix
