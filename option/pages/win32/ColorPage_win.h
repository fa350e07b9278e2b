// The lighting page of the main dialog: the light effect, a palette or custom colour and
// the custom colour's red, green and blue (typed or picked from the colour strip) of the
// current profile. Every edit goes into the working copy at once; edits that change the
// slot's colour tell the main dialog to repaint its swatches.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "AnimatedPicture_win.h"
#include "ColorPageButtons_win.h"
#include "ColourStrip_win.h"
#include "NumberBox_win.h"
#include "OptionPage_win.h"
#include "OptionResources.h"
#include "SkinLabel_win.h"
#include "pages/color/ColorPageModel.h"

namespace orvix {

class CColorPage final : public OptionPage {
 public:
  CColorPage() : OptionPage(IDD_COLOR_PAGE, "page_color") {}
  ~CColorPage() override;

  void OnRefresh() override;
  void OnRelabel(const LanguageLibrary& texts) override;

  // The "Color Select" rectangle: the strip's colour band, in the page's pixels.
  const PixelRect& colourSelect() const { return colourSelect_; }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void CreateControls();
  SkinButtonSetup ButtonSetup(const std::string& role, int id) const;
  void OnButton(int id);
  // Shows the working copy again and tells the frame, as the edit's reaction says.
  void Follow(const color_page::Reaction& reaction);
  ProfileRecord* Profile() const;
  // The page's art under a control.
  std::shared_ptr<const SkinBitmap> Under(const ControlPlacement& placement) const;

  bool created_ = false;

  std::array<ChoiceButton, color_page::kEffectModes> modes_;
  std::array<ChoiceButton, color_page::kFlows> flows_;
  std::array<ChoiceButton, color_page::kEffectTypes> effects_;
  std::array<ChoiceButton, color_page::kColourSources> sources_;
  std::array<ColourButton, kPaletteColours> palette_;
  std::array<NumberBox, 3> channels_;
  ColourSwatch customSwatch_;
  ColourButton customButton_;
  ColourStripWindow strip_;
  AnimatedPicture breathing_;
  SkinLabel effectTitle_, colourTitle_;
  std::array<SkinLabel, 3> channelTitles_;
  PixelRect colourSelect_;
};

}  // namespace orvix
