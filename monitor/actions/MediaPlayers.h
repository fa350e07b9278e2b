// The four media players the player buttons serve: how their program paths are taken
// from their registry values, and the commands each understands.
#pragma once

#include <string>

namespace orvix {

enum MediaPlayer : int { kWindowsMediaPlayer = 0, kITunes = 1, kVlc = 2, kWinamp = 3 };
enum class PlayerCommand { kPrevious, kNext, kPlayPause, kStop };

// Program path in VLC's open command: the text inside the leading quotes, or the text
// before "--started".
std::string VlcProgramFromCommand(const std::string& command);
// Program path in Winamp's open command: from the second character to the next quote.
std::string WinampProgramFromCommand(const std::string& command);
// Case-insensitive search, used to check that a path names the expected player.
bool ContainsIgnoringCase(const std::string& text, const std::string& part);

// Winamp's play/pause alternates between its "play" and "pause" commands.
class WinampPlayPause {
 public:
  int NextCommand() { return (playing_ = !playing_) ? 40045 : 40046; }

 private:
  bool playing_ = false;
};

// WM_COMMAND ids of Winamp and the application commands for Windows Media Player.
int WinampCommand(PlayerCommand command);          // Previous 40044, Next 40048, Stop 40047
int MediaAppCommand(PlayerCommand command);        // APPCOMMAND_MEDIA_* numbers

// The key a player window gets for a command: virtual key and the lParams of down and up.
struct PlayerKey {
  unsigned virtualKey;
  unsigned long downParam, upParam;
};
PlayerKey VlcKey(PlayerCommand command);

}  // namespace orvix
