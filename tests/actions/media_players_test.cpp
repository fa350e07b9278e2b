#include <gtest/gtest.h>

#include "actions/MediaPlayers.h"

namespace orvix {

TEST(MediaPlayers, VlcPathFromItsOpenCommand) {
  EXPECT_EQ(VlcProgramFromCommand("\"C:\\Program Files\\VideoLAN\\VLC\\vlc.exe\" --started-from-file \"%1\""),
            "C:\\Program Files\\VideoLAN\\VLC\\vlc.exe");
  EXPECT_EQ(VlcProgramFromCommand("C:\\VLC\\vlc.exe --started-from-file %1"), "C:\\VLC\\vlc.exe ");
  EXPECT_EQ(VlcProgramFromCommand("\"C:\\unterminated\\vlc.exe"), "C:\\unterminated\\vlc.exe");
  EXPECT_EQ(VlcProgramFromCommand(""), "");
}

TEST(MediaPlayers, WinampPathFromItsOpenCommand) {
  EXPECT_EQ(WinampProgramFromCommand("\"C:\\Winamp\\winamp.exe\" \"%1\""), "C:\\Winamp\\winamp.exe");
  EXPECT_EQ(WinampProgramFromCommand("C:\\Winamp\\winamp.exe %1"), "C:\\Winamp\\winamp.exe %1");
  EXPECT_EQ(WinampProgramFromCommand("\""), "");
  EXPECT_TRUE(ContainsIgnoringCase("C:\\WINAMP\\WinAmp.exe", "winamp"));
  EXPECT_FALSE(ContainsIgnoringCase("C:\\Player\\play.exe", "vlc"));
}

TEST(MediaPlayers, WinampPlayPauseAlternatesFromPlay) {
  WinampPlayPause toggle;
  EXPECT_EQ(toggle.NextCommand(), 40045);
  EXPECT_EQ(toggle.NextCommand(), 40046);
  EXPECT_EQ(toggle.NextCommand(), 40045);
}

}  // namespace orvix
