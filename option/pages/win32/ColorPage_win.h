// The lighting page of the main dialog.
#pragma once

#include "OptionPage_win.h"
#include "OptionResources.h"

namespace orvix {

class CColorPage final : public OptionPage {
 public:
  CColorPage() : OptionPage(IDD_COLOR_PAGE, "page_color") {}
};

}  // namespace orvix
