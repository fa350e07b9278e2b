#include "MediaPlayers_win.h"

#include <string>

#include "WinHandles.h"

namespace orvix {
namespace {

// A string value under HKEY_LOCAL_MACHINE, read-only: looking for a player must never
// create keys for players that are not installed. Empty when missing.
std::string ReadMachineString(const char* subkey, const char* name, bool expand = false) {
  HKEY raw = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, KEY_READ, &raw) != ERROR_SUCCESS) return {};
  RegKeyHandle key(raw);
  char value[260] = {};
  DWORD size = sizeof value - 1;
  DWORD type = 0;
  if (::RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return {};
  std::string text(value);
  if (expand && type == REG_EXPAND_SZ) {
    char expanded[MAX_PATH] = {};
    const DWORD n = ::ExpandEnvironmentStringsA(text.c_str(), expanded, MAX_PATH);
    if (n > 0 && n <= MAX_PATH) text = expanded;
  }
  return text;
}

void Start(const std::string& path) {
  const std::string command = "\"" + path + "\"";
  ::WinExec(command.c_str(), SW_SHOWNORMAL);
}

// SetForegroundWindow is refused to a background process unless it shares the input of
// the thread that owns the foreground.
void BringToFront(HWND window, HWND monitorWindow) {
  const DWORD foreground = ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr);
  const DWORD ours = ::GetWindowThreadProcessId(monitorWindow, nullptr);
  const bool attached = foreground != ours && ::AttachThreadInput(foreground, ours, TRUE);
  ::SetForegroundWindow(window);
  if (attached) ::AttachThreadInput(foreground, ours, FALSE);
}

HWND FindVlcWindow() {
  char title[256];
  char className[64];
  for (HWND w = ::FindWindowA("QWidget", nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    if (!::GetClassNameA(w, className, sizeof className) || std::string(className) != "QWidget") continue;
    ::GetWindowTextA(w, title, sizeof title);
    if (std::string(title).find("VLC") != std::string::npos) return w;
  }
  return nullptr;
}

}  // namespace

void MediaPlayerControl::MultimediaFunction(int player, int code, int flag) {
  if (flag != 0) return;
  switch (code) {
    case 32: OpenPlayer(player); break;
    case 33: Command(player, PlayerCommand::kPrevious); break;
    case 34: Command(player, PlayerCommand::kNext); break;
    case 35: Command(player, PlayerCommand::kPlayPause); break;
    case 36: Command(player, PlayerCommand::kStop); break;
    default: break;  // volume and mute: the mouse sends those keys itself
  }
}

void MediaPlayerControl::OpenPlayer(int player) {
  switch (player) {
    case kWindowsMediaPlayer: {
      if (HWND window = ::FindWindowA(nullptr, "Windows Media Player")) {
        BringToFront(window, monitorWindow_);
        return;
      }
      const std::string path =
          ReadMachineString("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe", nullptr, true);
      if (!path.empty()) Start(path);
      return;
    }
    case kITunes: {
      const std::string path = ReadMachineString("SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4", "path");
      if (ContainsIgnoringCase(path, "iTunes")) Start(path);
      return;
    }
    case kVlc: {
      const std::string path = VlcProgramFromCommand(
          ReadMachineString("SOFTWARE\\Classes\\Applications\\vlc.exe\\shell\\open\\command", nullptr));
      if (ContainsIgnoringCase(path, "vlc")) Start(path);
      return;
    }
    case kWinamp: {
      std::string command = ReadMachineString("SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command", nullptr);
      if (command.size() < 10) command = ReadMachineString("SOFTWARE\\Classes\\ICY\\shell\\open\\command", nullptr);
      const std::string path = WinampProgramFromCommand(command);
      if (ContainsIgnoringCase(path, "winamp")) Start(path);
      return;
    }
    default:
      return;
  }
}

void MediaPlayerControl::Command(int player, PlayerCommand command) {
  switch (player) {
    case kWindowsMediaPlayer:
      // The default processing of our window hands the application command to the shell.
      ::PostMessageA(monitorWindow_, WM_APPCOMMAND, reinterpret_cast<WPARAM>(monitorWindow_),
                     static_cast<LPARAM>(MediaAppCommand(command)) << 16);
      return;
    case kITunes: {
      HWND itunes = ::FindWindowA("iTunes", "iTunes");
      if (!itunes) return;
      if (command == PlayerCommand::kPrevious || command == PlayerCommand::kNext) {
        const bool next = command == PlayerCommand::kNext;
        const WPARAM arrow = next ? 0x27 : 0x25;
        ::SendMessageA(itunes, WM_KEYDOWN, 0x11, 0x001D0001);
        ::Sleep(100);
        ::SendMessageA(itunes, WM_KEYDOWN, arrow, next ? 0x014D0001 : 0x014B0001);
        ::Sleep(100);
        ::SendMessageA(itunes, WM_KEYUP, arrow, next ? 0xC14D0001 : 0xC14B0001);
        ::Sleep(100);
        ::SendMessageA(itunes, WM_KEYUP, 0x11, 0xC01D0001);
      } else {
        ::PostMessageA(itunes, WM_KEYDOWN, 0x20, 0x00390001);
        ::Sleep(100);
        ::PostMessageA(itunes, WM_KEYUP, 0x20, 0xC0390001);
      }
      return;
    }
    case kVlc: {
      HWND vlc = FindVlcWindow();
      if (!vlc) return;
      BringToFront(vlc, monitorWindow_);
      const PlayerKey key = VlcKey(command);
      ::PostMessageA(vlc, WM_KEYDOWN, key.virtualKey, static_cast<LPARAM>(key.downParam));
      ::Sleep(100);
      ::PostMessageA(vlc, WM_KEYUP, key.virtualKey, static_cast<LPARAM>(key.upParam));
      return;
    }
    case kWinamp: {
      HWND winamp = ::FindWindowA("Winamp v1.x", nullptr);
      if (!winamp) return;
      const int id = command == PlayerCommand::kPlayPause ? winampToggle_.NextCommand() : WinampCommand(command);
      ::SendMessageA(winamp, WM_COMMAND, static_cast<WPARAM>(id), 0);
      return;
    }
    default:
      return;
  }
}

}  // namespace orvix
