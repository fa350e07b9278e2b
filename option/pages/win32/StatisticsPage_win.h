// The statistics and achievements page of the main dialog.
#pragma once

#include "OptionPage_win.h"
#include "OptionResources.h"

namespace orvix {

class CStatisticsPage final : public OptionPage {
 public:
  CStatisticsPage() : OptionPage(IDD_STATISTICS_PAGE, "page_trophy") {}
};

}  // namespace orvix
