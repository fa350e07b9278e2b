// What the button page shows: each slot button's look, label and quick help, the
// illustration picture of the slot under the pointer, and the hand the page is drawn for.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ButtonFunctionLabels.h"
#include "CompanionDevice.h"
#include "ProfileRecord.h"

namespace orvix::button_page {

// Slot i's button carries the control identifier 200 + i.
inline constexpr int kFirstSlotControlId = 200;

enum class SlotLook { kFixed, kAssignable, kMenuOpen };

struct SlotView {
  SlotLook look = SlotLook::kFixed;
  std::string label;  // the label of the slot's code
  bool shown = false;  // the six slots without a button on the device have no rectangle
  int quickHelpText = 0;
};

// The fixed look for slots 0 and 1 and any slot with code 0; the menu-open look for the
// slot whose menu is open (`menuSlot`, -1 for none).
SlotLook LookOfSlot(int slot, std::uint8_t code, int menuSlot);
int QuickHelpTextOfSlot(int slot);
std::array<SlotView, kButtonSlots> SlotViews(const ProfileRecord& profile, const CompanionDeviceList& devices,
                                             const KeyNamer& keyName, int menuSlot);

// The illustration of slot `slot` (0..59). Slots of the normal layer have one picture
// each; a slot of the Altlayer layer has one per way the layer key can be held: by slot
// 3, by slot 4, by both or by neither (Altlayer[+] and "all devices" count as the key).
// -1 for a slot outside 0..23.
inline constexpr int kHoverPictures = 60;
int HoverPictureOf(int slot, const ProfileRecord& profile);

// Which picture shows: the page hides the shown one before it shows another.
struct PictureChange {
  int hide = -1;
  int show = -1;
  friend bool operator==(const PictureChange&, const PictureChange&) = default;
};

class HoverPictures {
 public:
  // The hover notice of a slot button: `entering` true on entering, false on leaving;
  // `controlId` 200..223 (others are ignored).
  PictureChange OnHover(bool entering, int controlId, const ProfileRecord& profile);
  // The page shows its profile again: the picture shown, if any, is hidden.
  PictureChange OnRefresh();
  int shown() const { return shown_; }

 private:
  int shown_ = -1;
};

// The two orientation choices; the page paints the background of the stored hand.
enum class Hand { kRight = 0, kLeft = 1 };
// A stored value other than 1 is drawn right-handed.
Hand HandOf(const ProfileRecord& profile);
// True when the profile's Orientation changed.
bool ChooseHand(ProfileRecord& profile, Hand hand);

}  // namespace orvix::button_page
