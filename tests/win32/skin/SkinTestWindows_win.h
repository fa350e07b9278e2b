// What the skin toolkit's Wine tests share: a parent window that records what its controls
// tell it, a message pump, the folder of the generated test art, and a control's picture
// as it paints it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "SkinBitmap_win.h"
#include "Window_win.h"

namespace orvix {

struct RecordedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class RecordingParent : public Window {
 public:
  // A top-level window at the screen's top-left corner, away from the pointer; hidden
  // unless a test needs it on the screen (showing and hiding a window under Wine without a
  // window manager costs seconds).
  explicit RecordingParent(int width = 480, int height = 330, bool visible = false);

  // WM_COMMAND and every message from WM_USER on, in order.
  std::vector<RecordedMessage> messages;
  std::vector<RecordedMessage> Of(UINT message) const;
  void Clear() { messages.clear(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Dispatches the thread's messages for `ms` milliseconds (at least once).
void PumpMessages(DWORD ms = 0);

// "<folder of the test program>\skin-art\", laid out as an install folder.
std::string TestArtFolder();
// A fresh empty folder for one test, ending in a backslash.
std::string ScratchFolder(const char* name);
void WriteFile(const std::string& path, const std::string& bytes);

// The control's client area as it paints it (through WM_PRINTCLIENT).
std::optional<SkinBitmap> PrintClient(HWND window);

// Puts the pointer far from every test window, so hover tests decide where it is.
void ParkPointer();

}  // namespace orvix
