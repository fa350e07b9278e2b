// The update and support page of the main dialog.
#pragma once

#include <string>

#include "OptionPage_win.h"
#include "OptionResources.h"

namespace orvix {

class CUpdatePage final : public OptionPage {
 public:
  CUpdatePage() : OptionPage(IDD_UPDATE_PAGE, "page_update") {}
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
