// The media-player commands reach the player windows with the messages each player
// understands. The players are played by windows of this test.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "actions/MediaPlayers_win.h"

namespace orvix::test {
namespace {

struct KeyMessage {
  UINT message;
  WPARAM key;
  LPARAM lParam;
  bool operator==(const KeyMessage&) const = default;
};

std::vector<KeyMessage>& received() {
  static std::vector<KeyMessage> messages;
  return messages;
}

LRESULT CALLBACK RecordKeys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN || message == WM_KEYUP)
    received().push_back({message, wParam, static_cast<LPARAM>(static_cast<DWORD>(lParam))});
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

class PlayerWindow {
 public:
  PlayerWindow(const char* className, const char* title) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &RecordKeys;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    ::RegisterClassA(&wc);
    hwnd_ = ::CreateWindowA(className, title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
  }
  ~PlayerWindow() { ::DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

std::vector<KeyMessage> Delivered() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  return std::exchange(received(), {});
}

}  // namespace

TEST(MediaPlayers, ITunesAndVlcGetTheirKeys) {
  PlayerWindow monitor("OrvixTestMonitor", "monitor");
  MediaPlayerControl players(monitor.hwnd());
  received().clear();

  PlayerWindow itunes("iTunes", "iTunes");
  players.MultimediaFunction(kITunes, 34, 0);  // Next: Ctrl+Right, sent
  EXPECT_EQ(Delivered(), (std::vector<KeyMessage>{{WM_KEYDOWN, 0x11, 0x001D0001},
                                                  {WM_KEYDOWN, 0x27, 0x014D0001},
                                                  {WM_KEYUP, 0x27, static_cast<LPARAM>(0xC14D0001)},
                                                  {WM_KEYUP, 0x11, static_cast<LPARAM>(0xC01D0001)}}));
  players.MultimediaFunction(kITunes, 36, 0);  // Stop: the space key, posted
  EXPECT_EQ(Delivered(), (std::vector<KeyMessage>{{WM_KEYDOWN, 0x20, 0x00390001},
                                                  {WM_KEYUP, 0x20, static_cast<LPARAM>(0xC0390001)}}));
  players.MultimediaFunction(kITunes, 35, 1);  // a release does nothing
  EXPECT_TRUE(Delivered().empty());

  // Of the QWidget windows, only the one titled with "VLC" is the player.
  PlayerWindow vlc("QWidget", "Clip - VLC media player");
  PlayerWindow other("QWidget", "Some Qt program");
  players.MultimediaFunction(kVlc, 33, 0);  // Previous: 'P'
  players.MultimediaFunction(kVlc, 36, 0);  // Stop: 'S'
  EXPECT_EQ(Delivered(), (std::vector<KeyMessage>{{WM_KEYDOWN, 0x50, 0x00190001},
                                                  {WM_KEYUP, 0x50, static_cast<LPARAM>(0xC0190001)},
                                                  {WM_KEYDOWN, 0x53, 0x001F0001},
                                                  {WM_KEYUP, 0x53, static_cast<LPARAM>(0xC01F0001)}}));
}

}  // namespace orvix::test
