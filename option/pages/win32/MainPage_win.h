// The main settings page of the main dialog.
#pragma once

#include "OptionPage_win.h"
#include "OptionResources.h"

namespace orvix {

class CMainPage final : public OptionPage {
 public:
  CMainPage() : OptionPage(IDD_MAIN_PAGE, "page_main") {}
};

}  // namespace orvix
