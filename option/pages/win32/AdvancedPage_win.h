// The advanced page of the main dialog.
#pragma once

#include "OptionPage_win.h"
#include "OptionResources.h"

namespace orvix {

class CAdvancedPage final : public OptionPage {
 public:
  CAdvancedPage() : OptionPage(IDD_ADVANCED_PAGE, "page_advanced") {}
};

}  // namespace orvix
