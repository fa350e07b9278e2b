// How the window under the cursor is scrolled horizontally, chosen by its class name.
#pragma once

#include <string>

namespace orvix {

enum class ScrollKind {
  kPlain = 0,            // any other window: WM_HSCROLL to the window itself
  kScrollBarParent = 1,  // word processors, viewers, …: WM_HSCROLL to the scroll bar's parent
  kArrowClicking = 2,    // spreadsheets: click the scroll bar's arrows
};

struct ScrollMethod {
  ScrollKind kind = ScrollKind::kPlain;
  int classKind = 0;     // the window family (0..7); only 0, 2 and the others as one matter
  bool browser = false;  // arrow keys to the browser's content window
};

// Exact, case-sensitive class names.
ScrollMethod ScrollMethodForClass(const std::string& className);

}  // namespace orvix
