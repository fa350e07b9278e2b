#include "pages/buttons/MediaPlayers.h"

namespace orvix::button_page {
namespace {

constexpr std::string_view kPlayerNames[kMediaPlayers] = {"Windows Media player", "iTunes", "VLC Media Player",
                                                          "Winamp"};

bool IsPlayer(int player) { return player >= 0 && player < kMediaPlayers; }

}  // namespace

std::string_view MediaPlayerName(int player) { return IsPlayer(player) ? kPlayerNames[player] : std::string_view{}; }

int ShownPlayer(int mediaOption) { return IsPlayer(mediaOption) ? mediaOption : 0; }

int CommandOfPlayer(int player) { return kFirstPlayerCommand + ShownPlayer(player); }

std::optional<int> PlayerOfCommand(int command) {
  if (command < kFirstPlayerCommand || command >= kFirstPlayerCommand + kMediaPlayers) return std::nullopt;
  return command - kFirstPlayerCommand;
}

bool SelectPlayer(ProfileRecord& profile, int player) {
  if (!IsPlayer(player)) return false;
  profile.MediaOption = player;
  return true;
}

}  // namespace orvix::button_page
