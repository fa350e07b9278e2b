// The button assignment page of the main dialog.
#pragma once

#include "OptionPage_win.h"
#include "OptionResources.h"

namespace orvix {

class CButtonPage final : public OptionPage {
 public:
  CButtonPage() : OptionPage(IDD_BUTTON_PAGE, "page_buttons") {}
};

}  // namespace orvix
