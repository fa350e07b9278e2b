#include "pages/buttons/SlotViews.h"

#include "ButtonFunctionCodes.h"
#include "ButtonSlots.h"
#include "pages/buttons/ButtonPageTexts.h"
#include "pages/buttons/MenuToggle.h"

namespace orvix::button_page {
namespace {

constexpr int kLayerSize = kButtonSlots / 2;

// Only the mouse's own layer key and "all devices" hold the layer for these pictures.
bool HoldsLayerForPicture(std::uint8_t code) {
  return code == kFunctionAltlayer || code == kFunctionAltlayerAllDevices;
}

}  // namespace

SlotLook LookOfSlot(int slot, std::uint8_t code, int menuSlot) {
  if (!SlotOpensMenu(slot, code)) return SlotLook::kFixed;
  return slot == menuSlot ? SlotLook::kMenuOpen : SlotLook::kAssignable;
}

int QuickHelpTextOfSlot(int slot) {
  if (slot < 0 || slot >= kButtonSlots) return 0;
  return slot < kLayerSize ? kTextHelpNormalLayer : kTextHelpAltLayer;
}

std::array<SlotView, kButtonSlots> SlotViews(const ProfileRecord& profile, const CompanionDeviceList& devices,
                                             const KeyNamer& keyName, int menuSlot) {
  std::array<SlotView, kButtonSlots> views;
  for (int slot = 0; slot < kButtonSlots; ++slot) {
    const ButtonAssignment& assignment = profile.MacroKeyInfo[slot];
    SlotView& view = views[static_cast<std::size_t>(slot)];
    view.look = LookOfSlot(slot, assignment.function, menuSlot);
    view.label = ButtonFunctionLabel(assignment, profile, devices, keyName);
    view.shown = SlotHasDeviceButton(slot);
    view.quickHelpText = QuickHelpTextOfSlot(slot);
  }
  return views;
}

int HoverPictureOf(int slot, const ProfileRecord& profile) {
  if (slot < 0 || slot >= kButtonSlots) return -1;
  if (slot < kLayerSize) return slot;
  const bool byThree = HoldsLayerForPicture(profile.MacroKeyInfo[3].function);
  const bool byFour = HoldsLayerForPicture(profile.MacroKeyInfo[4].function);
  if (byThree && byFour) return slot + 24;
  if (byThree) return slot;
  if (byFour) return slot + 12;
  return slot + 36;
}

PictureChange HoverPictures::OnHover(bool entering, int controlId, const ProfileRecord& profile) {
  if (controlId < kFirstSlotControlId || controlId >= kFirstSlotControlId + kButtonSlots) return {};
  const int slot = controlId - kFirstSlotControlId;
  // Leaving hides what is shown, even when the slot's picture changed meanwhile.
  PictureChange change{shown_, -1};
  shown_ = entering ? HoverPictureOf(slot, profile) : -1;
  change.show = shown_;
  if (change.hide == change.show) return {};
  return change;
}

PictureChange HoverPictures::OnRefresh() {
  const PictureChange change{shown_, -1};
  shown_ = -1;
  return change;
}

Hand HandOf(const ProfileRecord& profile) { return profile.Orientation == 1 ? Hand::kLeft : Hand::kRight; }

bool ChooseHand(ProfileRecord& profile, Hand hand) {
  const int value = static_cast<int>(hand);
  if (profile.Orientation == value) return false;
  profile.Orientation = value;
  return true;
}

}  // namespace orvix::button_page
