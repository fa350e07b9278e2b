// Opening and remote-controlling the media player the current profile names.
#pragma once

#include <windows.h>

#include "actions/MediaPlayers.h"

namespace orvix {

class MediaPlayerControl {
 public:
  explicit MediaPlayerControl(HWND monitorWindow) : monitorWindow_(monitorWindow) {}

  // A multimedia button (codes 32..39); only presses (flag 0) act.
  void MultimediaFunction(int player, int code, int flag);
  void OpenPlayer(int player);
  void Command(int player, PlayerCommand command);

 private:
  HWND monitorWindow_;
  WinampPlayPause winampToggle_;
};

}  // namespace orvix
