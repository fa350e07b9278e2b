#include "MediaPlayers.h"

#include <algorithm>
#include <cctype>

namespace orvix {

std::string VlcProgramFromCommand(const std::string& command) {
  if (!command.empty() && command[0] == '"') {
    const auto close = command.find('"', 1);
    return command.substr(1, close == std::string::npos ? std::string::npos : close - 1);
  }
  const auto started = command.find("--started");
  return started == std::string::npos ? command : command.substr(0, started);
}

std::string WinampProgramFromCommand(const std::string& command) {
  if (command.find('"') == std::string::npos) return command;
  if (command.size() < 2) return {};
  const auto close = command.find('"', 1);
  return command.substr(1, close == std::string::npos ? std::string::npos : close - 1);
}

bool ContainsIgnoringCase(const std::string& text, const std::string& part) {
  auto lower = [](unsigned char c) { return std::tolower(c); };
  return std::search(text.begin(), text.end(), part.begin(), part.end(),
                     [&](char a, char b) { return lower(a) == lower(b); }) != text.end();
}

int WinampCommand(PlayerCommand command) {
  switch (command) {
    case PlayerCommand::kPrevious: return 40044;
    case PlayerCommand::kNext: return 40048;
    case PlayerCommand::kStop: return 40047;
    case PlayerCommand::kPlayPause: return 0;  // alternates: WinampPlayPause
  }
  return 0;
}

int MediaAppCommand(PlayerCommand command) {
  switch (command) {
    case PlayerCommand::kNext: return 11;
    case PlayerCommand::kPrevious: return 12;
    case PlayerCommand::kStop: return 13;
    case PlayerCommand::kPlayPause: return 14;
  }
  return 0;
}

PlayerKey VlcKey(PlayerCommand command) {
  switch (command) {
    case PlayerCommand::kNext: return {0x4E, 0x00310001, 0xC0310001};
    case PlayerCommand::kPrevious: return {0x50, 0x00190001, 0xC0190001};
    case PlayerCommand::kStop: return {0x53, 0x001F0001, 0xC01F0001};
    case PlayerCommand::kPlayPause: return {0x20, 0x00390001, 0xC0390001};
  }
  return {0, 0, 0};
}

}  // namespace orvix
