#include "pages/buttons/ButtonMenu.h"

#include <cstdio>
#include <string_view>
#include <utility>

#include "ButtonFunctionCodes.h"
#include "FixedText.h"
#include "pages/buttons/ButtonMenuIds.h"
#include "pages/buttons/ButtonPageTexts.h"

namespace orvix::button_page {
namespace {

// Sets followed by a separator: the first always, the second when another set follows.
constexpr std::string_view kSeparatedSet = "World of Warcraft";
constexpr std::string_view kSeparatedSetIfFollowed = "Xfire";

MenuItem Command(int id, int textId) {
  MenuItem item;
  item.id = id;
  item.textId = textId;
  return item;
}

MenuItem Named(int id, std::string literal, int textId = 0) {
  MenuItem item;
  item.id = id;
  item.literal = std::move(literal);
  item.textId = textId;
  return item;
}

MenuItem Separator() {
  MenuItem item;
  item.kind = MenuItem::Kind::kSeparator;
  return item;
}

MenuItem Submenu(int textId, std::vector<MenuItem> items) {
  MenuItem item;
  item.kind = MenuItem::Kind::kSubmenu;
  item.textId = textId;
  item.items = std::move(items);
  return item;
}

// A name from the library equals a name in a slot's field when the field holds what
// copying the name in would leave there (cut to the field, at a NUL).
template <std::size_t N>
bool FieldHolds(const char (&field)[N], std::string_view name) {
  name = FixedTextView(name.data(), name.size());
  if (name.size() > N - 1) name = name.substr(0, N - 1);
  return FixedTextView(field) == name;
}

MenuItem AltlayerSubmenu(const ButtonMenuSource& source) {
  std::vector<MenuItem> items = {
      Command(1024, kTextMenuAltlayer),           Separator(),
      Command(1025, kTextMenuRollsetSensitivity), Command(1026, kTextMenuRollsetProfile),
      Command(1027, kTextMenuRollsetDpi),         Command(1028, kTextMenuRollsetVolume),
      Command(1030, kTextMenuRollsetAltTab),
  };
  if (OffersAeroFlip(source.windowsVersion)) items.push_back(Command(1031, kTextMenuRollsetAeroFlip));
  return Submenu(kTextMenuAltlayer, std::move(items));
}

MenuItem ParlySubmenu(const ButtonMenuSource& source) {
  std::vector<MenuItem> items = {Command(kMenuAllDevices, kTextMenuAllDevices)};
  const int devices = OfferedDevices(source);
  if (devices > 0) items.push_back(Separator());
  for (int k = 0; k < devices; ++k) {
    const std::string name(DeviceName(source, k));
    const int id = kMenuFirstDevice + kMenuDeviceStride * k;
    MenuItem device = Submenu(0, {Named(id, "Altlayer[+] " + name),
                                  Named(id + 1, "Altlayer[+] " + name + " ", kTextMenuLockUnlock)});
    device.literal = "NORVEL Parly: " + name;
    items.push_back(std::move(device));
  }
  return Submenu(kTextMenuParly, std::move(items));
}

std::vector<MenuItem> SetItems(const ButtonMenuSource& source, int set, const std::optional<MacroPlace>& checked) {
  if (set < 0 || set >= OfferedSets(source)) return {};
  std::vector<MenuItem> items = {Command(kMenuFirstEditMacroSet + set, kTextMenuEditMacro)};
  const int macros = OfferedMacros(source, set);
  if (macros > 0) items.push_back(Separator());
  const auto& names = source.macroSets[static_cast<std::size_t>(set)].macros;
  for (int m = 0; m < macros; ++m) {
    MenuItem item = Named(kMenuFirstMacro + kMenuMacroStride * set + m, names[static_cast<std::size_t>(m)]);
    item.checked = checked == MacroPlace{set, m};
    items.push_back(std::move(item));
  }
  return items;
}

MenuItem MacroSubmenu(const ButtonMenuSource& source, SetSubmenus fill) {
  std::vector<MenuItem> items = {Command(kMenuCreateMacro, kTextMenuCreateMacro)};
  const int sets = OfferedSets(source);
  if (sets > 0) items.push_back(Separator());
  const std::optional<MacroPlace> checked = CheckedMacro(source);
  for (int s = 0; s < sets; ++s) {
    const std::string_view name = TrimmedSetName(source.macroSets[static_cast<std::size_t>(s)].name);
    MenuItem set = Submenu(0, fill == SetSubmenus::kFilled ? SetItems(source, s, checked) : std::vector<MenuItem>{});
    set.literal = std::string(name);
    set.macroSet = s;
    set.filled = fill == SetSubmenus::kFilled;
    items.push_back(std::move(set));
    if (name == kSeparatedSet || (name == kSeparatedSetIfFollowed && s + 1 < sets)) items.push_back(Separator());
  }
  return Submenu(kTextMenuMacros, std::move(items));
}

MenuItem TimerSubmenu(const ButtonMenuSource& source) {
  std::vector<MenuItem> items = {Command(kMenuCreateTimer, kTextMenuCreateTimer),
                                 Command(kMenuEditTimers, kTextMenuEditTimers),
                                 Command(kMenuStopTimer, kTextMenuStopTimer)};
  const int timers = OfferedTimers(source);
  if (timers > 0) items.push_back(Separator());
  for (int t = 0; t < timers; ++t)
    items.push_back(Named(kMenuFirstTimer + t, source.timerNames[static_cast<std::size_t>(t)]));
  return Submenu(kTextMenuTimers, std::move(items));
}

MenuItem PinpointSubmenu(const ButtonMenuSource& source) {
  std::vector<MenuItem> items;
  for (int level = 0; level < kDpiLevels; ++level) {
    char text[32];
    // 64 bits: the level comes from a file and may be any value.
    const long long dpi = static_cast<long long>(source.cpiLevels[static_cast<std::size_t>(level)]) * 200;
    std::snprintf(text, sizeof text, "%lld DPI", dpi);
    items.push_back(Named(1045 + level, text));
  }
  return Submenu(kTextMenuPinpoint, std::move(items));
}

}  // namespace

std::optional<MacroPlace> CheckedMacro(const ButtonMenuSource& source) {
  const ButtonAssignment* slot = source.assignment;
  if (!slot || slot->function != kFunctionMacro) return std::nullopt;
  for (int s = 0; s < OfferedSets(source); ++s) {
    const MacroMenuSet& set = source.macroSets[static_cast<std::size_t>(s)];
    if (!FieldHolds(slot->macroSetName, set.name)) continue;
    for (int m = 0; m < OfferedMacros(source, s); ++m)
      if (FieldHolds(slot->macroName, set.macros[static_cast<std::size_t>(m)])) return MacroPlace{s, m};
  }
  return std::nullopt;
}

std::vector<MenuItem> MacroSetItems(const ButtonMenuSource& source, int set) {
  return SetItems(source, set, CheckedMacro(source));
}

std::vector<MenuItem> BuildButtonMenu(const ButtonMenuSource& source, SetSubmenus sets) {
  std::vector<MenuItem> menu;
  if (OffersLayerKeys(source.slot)) {
    menu.push_back(AltlayerSubmenu(source));
    menu.push_back(ParlySubmenu(source));
  }
  menu.push_back(MacroSubmenu(source, sets));
  menu.push_back(TimerSubmenu(source));
  menu.push_back(Submenu(kTextMenuProfile, {Command(1016, kTextMenuProfileCycle), Command(1017, kTextMenuProfileUp),
                                            Command(1018, kTextMenuProfileDown)}));
  menu.push_back(Submenu(kTextMenuDpi, {Command(1020, kTextMenuDpiCycle), Command(1021, kTextMenuDpiUp),
                                        Command(1022, kTextMenuDpiDown)}));
  menu.push_back(Submenu(kTextMenuSensitivity, {Command(1041, kTextMenuSensitivityCycle),
                                                Command(1042, kTextMenuSensitivityUp),
                                                Command(1043, kTextMenuSensitivityDown)}));
  menu.push_back(Submenu(kTextMenuMultimedia,
                         {Command(1037, kTextMenuMute), Command(1038, kTextMenuVolumeUp),
                          Command(1039, kTextMenuVolumeDown), Separator(),
                          Command(kMenuSelectPlayer, kTextMenuSelectPlayer), Separator(),
                          Command(1032, kTextMenuOpenPlayer), Command(1033, kTextMenuPreviousTrack),
                          Command(1034, kTextMenuNextTrack), Command(1035, kTextMenuPlayPause),
                          Command(1036, kTextMenuStop)}));
  if (OffersPinpoint(source.slot)) menu.push_back(PinpointSubmenu(source));
  menu.push_back(Separator());
  for (const MenuItem& item :
       {Command(1001, kTextMenuClick), Command(1002, kTextMenuMenu), Command(1003, kTextMenuUniversalScrolling),
        Command(1004, kTextMenuDoubleClick), Command(kMenuAssignShortcut, kTextMenuAssignShortcut),
        Command(1006, kTextMenuDisabled), Command(1007, kTextMenuIeForward), Command(1008, kTextMenuIeBackward),
        Command(1009, kTextMenuTiltLeft), Command(1010, kTextMenuTiltRight), Command(1013, kTextMenuScrollUp),
        Command(1014, kTextMenuScrollDown), Command(kMenuQuicklaunch, kTextMenuQuicklaunch),
        Command(1055, kTextMenuWindowsKey), Command(1056, kTextMenuOpenDriver)})
    menu.push_back(item);
  return menu;
}

}  // namespace orvix::button_page
