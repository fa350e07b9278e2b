// The six pages of the main dialog, in the order of their tabs. Each fills its page with
// its controls as the program grows; until then it shows its panel.
#pragma once

#include <memory>
#include <string>

#include "OptionPage_win.h"
#include "OptionResources.h"

namespace orvix {

class CMainPage final : public OptionPage {
 public:
  CMainPage() : OptionPage(IDD_MAIN_PAGE, "page_main") {}
};

class CButtonPage final : public OptionPage {
 public:
  CButtonPage() : OptionPage(IDD_BUTTON_PAGE, "page_buttons") {}
};

class CAdvancedPage final : public OptionPage {
 public:
  CAdvancedPage() : OptionPage(IDD_ADVANCED_PAGE, "page_advanced") {}
};

class CColorPage final : public OptionPage {
 public:
  CColorPage() : OptionPage(IDD_PAGE_SHELL, "page_color") {}
};

class CStatisticsPage final : public OptionPage {
 public:
  CStatisticsPage() : OptionPage(IDD_PAGE_SHELL, "page_trophy") {}
};

class CUpdatePage final : public OptionPage {
 public:
  CUpdatePage() : OptionPage(IDD_PAGE_SHELL, "page_update") {}
  // The software and firmware version texts the page shows beside its links.
  void SetVersions(std::wstring software, std::wstring firmware) {
    software_ = std::move(software);
    firmware_ = std::move(firmware);
    if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
  }
  const std::wstring& firmwareVersion() const { return firmware_; }

 private:
  std::wstring software_, firmware_;
};

}  // namespace orvix
