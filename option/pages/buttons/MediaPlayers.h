// The media players a profile can control ("Select Player"): the choice the media-player
// dialog shows and the commands of its drop-down menu.
#pragma once

#include <optional>
#include <string_view>

#include "ProfileRecord.h"

namespace orvix::button_page {

inline constexpr int kMediaPlayers = 4;
inline constexpr int kFirstPlayerCommand = 1001;  // 1001..1004 choose player 0..3

// "Windows Media player", "iTunes", "VLC Media Player", "Winamp"; empty outside 0..3.
std::string_view MediaPlayerName(int player);
// The player the dialog shows for a stored MediaOption: the first for a value out of range.
int ShownPlayer(int mediaOption);
int CommandOfPlayer(int player);
std::optional<int> PlayerOfCommand(int command);

// The dialog's OK: the profile's MediaOption takes the player (no slot changes, no change
// flag). False for a player outside 0..3, which changes nothing.
bool SelectPlayer(ProfileRecord& profile, int player);

}  // namespace orvix::button_page
