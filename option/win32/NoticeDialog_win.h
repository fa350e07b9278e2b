// The configuration program's notices and questions: a skinned pop-up with a title, a
// message and OK alone or two buttons (Yes and No), modal over the main dialog.
#pragma once

#include <windows.h>

#include <string>

#include "DpiScale.h"

namespace orvix {

struct NoticeSetup {
  std::string installFolder;
  DpiScale dpi;
  std::wstring title, message;
  std::wstring firstButton;   // OK, or Yes
  std::wstring secondButton;  // empty for a notice; No for a question
  int language = 1;           // the interface language, for its font
};

class NoticeDialog {
 public:
  enum Result { kClosed = 0, kFirstButton = 1, kSecondButton = 2 };
  static int Show(HWND owner, const NoticeSetup& setup);
};

}  // namespace orvix
