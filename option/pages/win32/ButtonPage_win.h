// The button assignment page: the 24 slots of the edited profile in two layers, each
// assignable slot with the pop-up menu of its functions, the illustration of the slot
// under the pointer, and the hand the page is drawn for.
#pragma once

#include <array>
#include <memory>
#include <optional>

#include "OptionPage_win.h"
#include "OptionResources.h"
#include "SkinBitmap_win.h"
#include "SkinButton_win.h"
#include "pages/buttons/MenuChoice.h"
#include "pages/buttons/MenuToggle.h"
#include "pages/buttons/SlotAssignment.h"
#include "pages/buttons/SlotViews.h"

namespace orvix {

// A slot's button: its label keeps clear of the drop-down arrow at its right end.
class SlotButton final : public SkinButton {
 protected:
  RECT LabelArea(const RECT& client) const override;
};

class CButtonPage final : public OptionPage {
 public:
  CButtonPage() : OptionPage(IDD_BUTTON_PAGE, "page_buttons") {}
  ~CButtonPage() override;

  void OnRefresh() override;
  void OnRelabel(const LanguageLibrary& texts) override;

 protected:
  void OnCreate() override;
  void OnPaintOver(HDC dc) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  struct SlotLooks {
    ButtonImages fixed, assignable, open;
  };

  void OnSlotClicked(int slot);
  void Carry(int slot, const button_page::MenuChoice& choice);
  // The macro manager, for the slot's button (-1: from the page's own button) on a set or none.
  void OpenMacroManager(int slot, int macroSet);
  void ShowSlots(int menuSlot);
  void ShowPicture(const button_page::PictureChange& change);
  void ShowHand();
  void ChooseHand(button_page::Hand hand);
  void Notice(int textId);
  const SkinImages& ArtOf(const char* name, std::unique_ptr<SkinImages>& art) const;
  ProfileRecord& Profile();
  int EditedProfile() const;

  std::array<SlotButton, kButtonSlots> slots_;
  std::array<SlotLooks, kButtonSlots> looks_;
  SkinButton manager_;
  SkinButton rightHand_, leftHand_;  // the orientation choices; without height they never show
  SkinLabel normalTitle_, layerTitle_;
  FontRef slotFont_, titleFont_, menuFont_;
  mutable std::unique_ptr<SkinImages> fixedArt_, openArt_;
  std::optional<SkinBitmap> leftHandArt_;  // the page for the left hand, read when first needed
  std::array<std::optional<SkinBitmap>, button_page::kHoverPictures> pictures_;
  int shownPicture_ = -1;
  button_page::Hand paintedHand_ = button_page::Hand::kRight;
  button_page::MenuToggle toggle_;
  button_page::AltlayerMemory altlayer_;
  button_page::HoverPictures hover_;
};

}  // namespace orvix
