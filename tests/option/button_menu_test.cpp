// The button page's pop-up menu: the identifier-to-code table both ways, the tree built
// for a slot, and what a chosen identifier means in the menu it came from.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "ButtonFunctionCodes.h"
#include "ButtonFunctionLabels.h"
#include "EnglishTexts.h"
#include "pages/buttons/ButtonMenu.h"
#include "pages/buttons/ButtonMenuIds.h"
#include "pages/buttons/ButtonPageTexts.h"
#include "pages/buttons/MenuChoice.h"

namespace orvix::button_page {
namespace {

using Kind = MenuItem::Kind;

// A menu written as text, one item per entry: "1001" a command, "-" a separator,
// "[3700]" or "[name]" a submenu title; literal texts in quotes, a check as "*".
std::string Describe(const MenuItem& item) {
  std::string text = item.literal.empty() ? "" : "\"" + item.literal + "\"";
  if (item.textId != 0) text += (text.empty() ? "" : "+") + std::to_string(item.textId);
  switch (item.kind) {
    case Kind::kSeparator: return "-";
    case Kind::kSubmenu: return "[" + text + "]";
    case Kind::kCommand: break;
  }
  return std::to_string(item.id) + (item.literal.empty() ? "" : " " + text) + (item.checked ? "*" : "");
}

std::vector<std::string> Describe(const std::vector<MenuItem>& items) {
  std::vector<std::string> out;
  for (const MenuItem& item : items) out.push_back(Describe(item));
  return out;
}

const MenuItem* FindSubmenu(const std::vector<MenuItem>& menu, int textId) {
  for (const MenuItem& item : menu)
    if (item.kind == Kind::kSubmenu && item.textId == textId) return &item;
  return nullptr;
}

void CollectIds(const std::vector<MenuItem>& items, std::vector<int>& ids) {
  for (const MenuItem& item : items) {
    if (item.kind == Kind::kCommand) ids.push_back(item.id);
    CollectIds(item.items, ids);
  }
}

CompanionDeviceList Devices(int count) {
  CompanionDeviceList list{};
  list.count = count;
  for (int k = 0; k < kMaxCompanionDevices; ++k) {
    list.devices[k].PID = static_cast<std::uint16_t>(0x4000 + k);
    std::snprintf(list.devices[k].Name, sizeof list.devices[k].Name, "Pad %d", k);
  }
  return list;
}

struct Menu : ::testing::Test {
  Menu() {
    source.assignment = &slot;
    source.cpiLevels = {4, 8, 16, 24, 41};
    source.windowsVersion = 6;
    source.timerNames = timers;
  }
  void SetSlot(int s) {
    source.slot = s;
    slot.slot = static_cast<std::uint8_t>(s);
  }
  ButtonAssignment slot{};
  std::vector<std::string> timers = {"Respawn", "Baron"};
  std::vector<MacroMenuSet> sets;
  ButtonMenuSource source;
};

TEST(MenuIds, EveryRowOfTheTableBothWays) {
  const struct {
    int firstId;
    std::uint8_t firstCode;
    int count;
  } runs[] = {{1001, 1, 10}, {1013, 13, 3}, {1016, 16, 3}, {1020, 20, 3}, {1024, 65, 1}, {1025, 66, 4},
              {1030, 70, 2}, {1032, 32, 8}, {1041, 23, 3}, {1045, 51, 5}, {1055, 26, 2}, {502, 50, 1},
              {11200, 83, 1}};
  std::set<int> ids;
  for (const auto& run : runs)
    for (int i = 0; i < run.count; ++i) {
      const int id = run.firstId + i;
      const auto code = static_cast<std::uint8_t>(run.firstCode + i);
      EXPECT_EQ(CodeOfMenuId(id), code) << id;
      EXPECT_EQ(MenuIdOfCode(code), id) << int{code};
      ids.insert(id);
    }
  EXPECT_EQ(ids.size(), FixedMenuCodes().size()) << "the table has rows the menu does not";

  // The ranges: timers, macros, devices.
  EXPECT_EQ(CodeOfMenuId(505), kFunctionTimer);
  EXPECT_EQ(CodeOfMenuId(554), kFunctionTimer);
  EXPECT_EQ(CodeOfMenuId(555), std::nullopt);
  EXPECT_EQ(CodeOfMenuId(1100), kFunctionMacro);
  EXPECT_EQ(CodeOfMenuId(11099), kFunctionMacro);
  EXPECT_EQ(CodeOfMenuId(11210), kFunctionAltlayerDevice);
  EXPECT_EQ(CodeOfMenuId(11211), kFunctionAltlayerDeviceLock);
  EXPECT_EQ(CodeOfMenuId(11212), std::nullopt);
  EXPECT_EQ(CodeOfMenuId(11400), kFunctionAltlayerDevice);
  EXPECT_EQ(CodeOfMenuId(kMenuLastId), kFunctionAltlayerDeviceLock);
  EXPECT_EQ(CodeOfMenuId(11410), std::nullopt);
  // Items that only open a dialog, unused identifiers, hostile values.
  for (int id : {500, 501, 503, 504, 1011, 1012, 1019, 1023, 1029, 1040, 1044, 1050, 1099, 11100, 11199, 11201,
                 0, -1, INT32_MIN, INT32_MAX})
    EXPECT_EQ(CodeOfMenuId(id), std::nullopt) << id;
  // Codes that no single item gives.
  for (std::uint8_t code : {0, 11, 12, 19, 48, 49, 64, 81, 82, 84, 255})
    EXPECT_EQ(MenuIdOfCode(code), std::nullopt) << int{code};
}

TEST_F(Menu, SlotOneHasNeitherLayerKeysNorADeviceListButItsPinpointLevels) {
  SetSlot(1);
  const std::vector<MenuItem> menu = BuildButtonMenu(source);
  EXPECT_EQ(Describe(menu), (std::vector<std::string>{
                                "[3710]", "[3713]", "[3717]", "[3721]", "[3725]", "[3729]", "[3739]", "-",
                                "1001", "1002", "1003", "1004", "1005", "1006", "1007", "1008", "1009", "1010",
                                "1013", "1014", "1015", "1055", "1056"}));
  EXPECT_EQ(menu[7].textId, 0) << "the separator carries no text";
  EXPECT_EQ(menu[8].textId, kTextMenuClick);
  EXPECT_EQ(menu.back().textId, kTextMenuOpenDriver);

  EXPECT_EQ(Describe(FindSubmenu(menu, kTextMenuPinpoint)->items),
            (std::vector<std::string>{"1045 \"800 DPI\"", "1046 \"1600 DPI\"", "1047 \"3200 DPI\"",
                                      "1048 \"4800 DPI\"", "1049 \"8200 DPI\""}));
  source.cpiLevels[4] = INT32_MAX;  // a damaged profile: the number is shown, not overflowed
  EXPECT_EQ(FindSubmenu(BuildButtonMenu(source), kTextMenuPinpoint)->items[4].literal, "429496729400 DPI");
  EXPECT_EQ(Describe(FindSubmenu(menu, kTextMenuMacros)->items), (std::vector<std::string>{"1099"}))
      << "no sets: no separator";
  EXPECT_EQ(Describe(FindSubmenu(menu, kTextMenuTimers)->items),
            (std::vector<std::string>{"500", "501", "502", "-", "505 \"Respawn\"", "506 \"Baron\""}));
  EXPECT_EQ(Describe(FindSubmenu(menu, kTextMenuMultimedia)->items),
            (std::vector<std::string>{"1037", "1038", "1039", "-", "1040", "-", "1032", "1033", "1034", "1035",
                                      "1036"}));
  EXPECT_EQ(Describe(FindSubmenu(menu, kTextMenuProfile)->items), (std::vector<std::string>{"1016", "1017", "1018"}));
  EXPECT_EQ(Describe(FindSubmenu(menu, kTextMenuDpi)->items), (std::vector<std::string>{"1020", "1021", "1022"}));
  EXPECT_EQ(Describe(FindSubmenu(menu, kTextMenuSensitivity)->items),
            (std::vector<std::string>{"1041", "1042", "1043"}));

  timers.clear();
  source.timerNames = timers;
  EXPECT_EQ(Describe(FindSubmenu(BuildButtonMenu(source), kTextMenuTimers)->items),
            (std::vector<std::string>{"500", "501", "502"}));
}

TEST_F(Menu, SlotsThreeAndFourStartWithTheLayerKeysAndTheDevices) {
  const CompanionDeviceList devices = Devices(2);
  for (int s : {3, 4}) {
    SetSlot(s);
    source.devices = nullptr;
    std::vector<MenuItem> menu = BuildButtonMenu(source);
    ASSERT_GE(menu.size(), 3u);
    EXPECT_EQ(Describe(menu[0]), "[3700]");
    EXPECT_EQ(Describe(menu[0].items),
              (std::vector<std::string>{"1024", "-", "1025", "1026", "1027", "1028", "1030", "1031"}));
    EXPECT_EQ(Describe(menu[1]), "[3707]");
    EXPECT_EQ(Describe(menu[1].items), (std::vector<std::string>{"11200"})) << "no devices: no separator";
    EXPECT_NE(FindSubmenu(menu, kTextMenuPinpoint), nullptr);

    source.devices = &devices;
    menu = BuildButtonMenu(source);
    EXPECT_EQ(Describe(menu[1].items),
              (std::vector<std::string>{"11200", "-", "[\"NORVEL Parly: Pad 0\"]", "[\"NORVEL Parly: Pad 1\"]"}));
    EXPECT_EQ(Describe(menu[1].items[3].items),
              (std::vector<std::string>{"11220 \"Altlayer[+] Pad 1\"", "11221 \"Altlayer[+] Pad 1 \"+3709"}));
  }
}

TEST_F(Menu, AtMostTwentyDevicesAndAnUntrustedCountOrNameStaysInsideTheList) {
  SetSlot(4);
  CompanionDeviceList devices = Devices(kMaxCompanionDevices);
  source.devices = &devices;
  std::vector<int> ids;
  CollectIds(BuildButtonMenu(source)[1].items, ids);
  ASSERT_EQ(ids.size(), 1u + 2 * 20);
  EXPECT_EQ(ids.back(), kMenuLastId);

  devices.count = 1000000;
  EXPECT_EQ(BuildButtonMenu(source)[1].items.size(), 2u + 20);
  devices.count = -5;
  EXPECT_EQ(BuildButtonMenu(source)[1].items.size(), 1u);

  devices.count = 1;
  std::memset(devices.devices[0].Name, 'N', sizeof devices.devices[0].Name);  // no terminator
  EXPECT_EQ(BuildButtonMenu(source)[1].items[2].literal, "NORVEL Parly: " + std::string(20, 'N'));
}

TEST_F(Menu, WindowsXpHasNoAeroFlip) {
  SetSlot(3);
  source.windowsVersion = kWindowsXpFamily;
  EXPECT_EQ(Describe(BuildButtonMenu(source)[0].items),
            (std::vector<std::string>{"1024", "-", "1025", "1026", "1027", "1028", "1030"}));
  EXPECT_EQ(ChoiceOfMenuId(source, 1031), MenuChoice{});
  EXPECT_EQ(ChoiceOfMenuId(source, 1030).code, kFunctionRollsetAltTab);
  source.windowsVersion = 5;
  EXPECT_EQ(ChoiceOfMenuId(source, 1031).code, kFunctionRollsetAeroFlip);
}

TEST_F(Menu, AnAltlayerSlotHasNoPinpointAndNoLayerKeys) {
  SetSlot(14);
  source.devices = nullptr;
  const std::vector<MenuItem> menu = BuildButtonMenu(source);
  EXPECT_EQ(FindSubmenu(menu, kTextMenuPinpoint), nullptr);
  EXPECT_EQ(FindSubmenu(menu, kTextMenuAltlayer), nullptr);
  EXPECT_EQ(FindSubmenu(menu, kTextMenuParly), nullptr);
  EXPECT_EQ(Describe(menu[0]), "[3710]");
  for (int id : {1024, 1025, 1031, 1045, 1049, 11200, 11210}) EXPECT_EQ(ChoiceOfMenuId(source, id), MenuChoice{}) << id;
  SetSlot(11);
  EXPECT_NE(FindSubmenu(BuildButtonMenu(source), kTextMenuPinpoint), nullptr);
  EXPECT_EQ(ChoiceOfMenuId(source, 1049).code, kFunctionPinpoint5);
}

TEST_F(Menu, MacroSetsWithTrimmedTitlesSeparatorsAndTheCheckOnTheFirstMatch) {
  SetSlot(2);
  sets = {{"  Quake ", {"Rail", "Rocket"}},
          {"World of Warcraft", {}},
          {"Xfire", {"Chat"}},
          {"Quake", {"Rail"}},
          {"Xfire", {}}};
  source.macroSets = sets;
  slot.function = kFunctionMacro;
  std::strcpy(slot.macroSetName, "Quake");
  std::strcpy(slot.macroName, "Rail");

  const std::vector<MenuItem> menu = BuildButtonMenu(source);
  const MenuItem& macros = *FindSubmenu(menu, kTextMenuMacros);
  EXPECT_EQ(Describe(macros.items), (std::vector<std::string>{"1099", "-", "[\"Quake\"]", "[\"World of Warcraft\"]",
                                                              "-", "[\"Xfire\"]", "-", "[\"Quake\"]", "[\"Xfire\"]"}))
      << "the last Xfire set has no separator after it";
  EXPECT_EQ(Describe(macros.items[2].items),
            (std::vector<std::string>{"11100", "-", "1100 \"Rail\"", "1101 \"Rocket\""}))
      << "the first set's stored name has blanks, so it is not the slot's set";
  EXPECT_EQ(Describe(macros.items[3].items), (std::vector<std::string>{"11101"}));
  EXPECT_EQ(Describe(macros.items[7].items), (std::vector<std::string>{"11103", "-", "1400 \"Rail\"*"}));
  EXPECT_EQ(CheckedMacro(source), (MacroPlace{3, 0}));

  // The same macro twice: only the first is checked.
  sets[0].name = "Quake";
  EXPECT_EQ(CheckedMacro(source), (MacroPlace{0, 0}));
  EXPECT_EQ(Describe(MacroSetItems(source, 3)), (std::vector<std::string>{"11103", "-", "1400 \"Rail\""}));
  // No macro function, no check.
  slot.function = kFunctionClick;
  EXPECT_EQ(CheckedMacro(source), std::nullopt);
  // A slot's name field without a terminator compares within the field.
  slot.function = kFunctionMacro;
  sets[0].macros[0] = std::string(60, 'r');
  std::memset(slot.macroName, 'r', sizeof slot.macroName);
  EXPECT_EQ(CheckedMacro(source), std::nullopt) << "the field holds 50 letters, what copying leaves is 49";
  slot.macroName[49] = '\0';
  EXPECT_EQ(CheckedMacro(source), (MacroPlace{0, 0}));
}

TEST_F(Menu, ALargeLibraryIsCutToItsIdRangesAndItsSetsCanBeFilledOnDemand) {
  SetSlot(14);
  for (int s = 0; s < 150; ++s) {
    MacroMenuSet set{"Set " + std::to_string(s), {}};
    for (int m = 0; m < (s == 99 ? 130 : 2); ++m) set.macros.push_back("M" + std::to_string(m));
    sets.push_back(set);
  }
  source.macroSets = sets;
  slot.function = kFunctionMacro;
  std::strcpy(slot.macroSetName, "Set 99");
  std::strcpy(slot.macroName, "M99");

  const std::vector<MenuItem> menu = BuildButtonMenu(source);
  const MenuItem& full = *FindSubmenu(menu, kTextMenuMacros);
  ASSERT_EQ(full.items.size(), 2u + 100);
  const MenuItem& last = full.items.back();
  EXPECT_EQ(last.literal, "Set 99");
  EXPECT_TRUE(last.filled);
  ASSERT_EQ(last.items.size(), 2u + 100);
  EXPECT_EQ(Describe(last.items.back()), "11099 \"M99\"*");

  const std::vector<MenuItem> lazyMenu = BuildButtonMenu(source, SetSubmenus::kOnDemand);
  const MenuItem& lazy = *FindSubmenu(lazyMenu, kTextMenuMacros);
  ASSERT_EQ(lazy.items.size(), full.items.size());
  for (std::size_t i = 2; i < lazy.items.size(); ++i) {
    const MenuItem& set = lazy.items[i];
    EXPECT_EQ(set.kind, Kind::kSubmenu);
    EXPECT_FALSE(set.filled);
    EXPECT_TRUE(set.items.empty());
    EXPECT_EQ(set.literal, full.items[i].literal);
    EXPECT_EQ(Describe(MacroSetItems(source, set.macroSet)), Describe(full.items[i].items)) << set.literal;
  }
  EXPECT_TRUE(MacroSetItems(source, 100).empty());
  EXPECT_TRUE(MacroSetItems(source, -1).empty());
  // The last set and macro within the ranges; nothing names set 100 or macro 100.
  EXPECT_EQ(ChoiceOfMenuId(source, 11199), (MenuChoice{MenuAction::kEditMacroSet, 0, 0, -1, 99}));
  EXPECT_EQ(ChoiceOfMenuId(source, 11099), (MenuChoice{MenuAction::kSetMacro, kFunctionMacro, 0, -1, 99, 99}));
  EXPECT_EQ(ChoiceOfMenuId(source, 11200), MenuChoice{}) << "the next id is not a set's: slot 14 has no devices";
}

TEST_F(Menu, AChosenIdentifierNamesItsItemOrNothing) {
  SetSlot(4);
  const CompanionDeviceList devices = Devices(3);
  source.devices = &devices;
  sets = {{"Quake", {"Rail", "Rocket"}}, {"Empty", {}}};
  source.macroSets = sets;

  auto choice = [&](int id) { return ChoiceOfMenuId(source, id); };
  EXPECT_EQ(choice(1009), (MenuChoice{MenuAction::kSetCode, kFunctionTiltLeft}));
  EXPECT_EQ(choice(502), (MenuChoice{MenuAction::kSetCode, kFunctionStopTimer}));
  EXPECT_EQ(choice(1024), (MenuChoice{MenuAction::kSetCode, kFunctionAltlayer}));
  EXPECT_EQ(choice(1005), (MenuChoice{MenuAction::kAssignShortcut, kFunctionShortcut}));
  EXPECT_EQ(choice(1015), (MenuChoice{MenuAction::kChooseProgram, kFunctionQuicklaunch}));
  EXPECT_EQ(choice(1040).action, MenuAction::kSelectPlayer);
  EXPECT_EQ(choice(1099).action, MenuAction::kCreateMacro);
  EXPECT_EQ(choice(500).action, MenuAction::kCreateTimer);
  EXPECT_EQ(choice(501).action, MenuAction::kEditTimers);
  EXPECT_EQ(choice(11200), (MenuChoice{MenuAction::kSetDevice, kFunctionAltlayerAllDevices, 65535}));
  EXPECT_EQ(choice(11230), (MenuChoice{MenuAction::kSetDevice, kFunctionAltlayerDevice, 0x4002}));
  EXPECT_EQ(choice(11231), (MenuChoice{MenuAction::kSetDevice, kFunctionAltlayerDeviceLock, 0x4002}));
  EXPECT_EQ(choice(506), (MenuChoice{MenuAction::kSetTimer, kFunctionTimer, 0, 1}));
  EXPECT_EQ(choice(1101), (MenuChoice{MenuAction::kSetMacro, kFunctionMacro, 0, -1, 0, 1}));
  EXPECT_EQ(choice(11101), (MenuChoice{MenuAction::kEditMacroSet, 0, 0, -1, 1}));

  // Beyond what the lists hold: the third timer, a device, a set, a macro, a set's second macro.
  for (int id : {507, 11240, 11241, 1200, 1102, 11102, 1, 1011, 503, 11205, 11212, 20000, -1005, INT32_MIN})
    EXPECT_EQ(choice(id), MenuChoice{}) << id;

  // Only an existing timer list can be edited; a full one takes no new timer.
  std::vector<std::string> many(kMenuTimers, "T");
  source.timerNames = many;
  EXPECT_EQ(choice(500), MenuChoice{});
  EXPECT_EQ(choice(554).timer, 49);
  many.pop_back();
  source.timerNames = many;
  EXPECT_EQ(choice(500).action, MenuAction::kCreateTimer);
  source.timerNames = {};
  EXPECT_EQ(choice(501), MenuChoice{});
  EXPECT_EQ(choice(505), MenuChoice{});

  source.slot = 24;
  EXPECT_EQ(choice(1001), MenuChoice{});
}

TEST_F(Menu, EveryCommandOfEveryMenuMeansSomethingInItAndNoIdIsGivenTwice) {
  const CompanionDeviceList devices = Devices(25);
  source.devices = &devices;
  sets = {{"A", {"1", "2"}}, {"B", {"3"}}};
  source.macroSets = sets;
  for (int s = 2; s < kButtonSlots; ++s) {
    SetSlot(s);
    std::vector<int> ids;
    CollectIds(BuildButtonMenu(source), ids);
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size()) << "slot " << s;
    for (int id : ids) {
      EXPECT_NE(ChoiceOfMenuId(source, id).action, MenuAction::kNothing) << "slot " << s << " id " << id;
      EXPECT_GE(id, kMenuFirstId);
      EXPECT_LE(id, kMenuLastId);
    }
  }
}

TEST_F(Menu, EveryFixedItemReadsInEnglishAsTheLabelItsCodeGivesTheSlot) {
  SetSlot(3);
  std::vector<const MenuItem*> commands;
  const std::vector<MenuItem> menu = BuildButtonMenu(source);
  std::vector<const std::vector<MenuItem>*> pending = {&menu};
  while (!pending.empty()) {
    const std::vector<MenuItem>* items = pending.back();
    pending.pop_back();
    for (const MenuItem& item : *items) {
      if (item.kind == Kind::kCommand && item.literal.empty()) commands.push_back(&item);
      if (item.kind == Kind::kSubmenu) pending.push_back(&item.items);
    }
  }
  int compared = 0;
  for (const MenuItem* item : commands) {
    const auto code = CodeOfMenuId(item->id);
    if (!code || *code == kFunctionShortcut || *code == kFunctionQuicklaunch) continue;
    const std::string label = FixedButtonLabel(*code);
    EXPECT_EQ(EnglishText(item->textId), std::wstring(label.begin(), label.end())) << item->id;
    ++compared;
  }
  EXPECT_EQ(compared, 39) << "every fixed code but 5 and 15; the Pinpoint items show numbers";

  // The titles and the items that open a dialog first.
  const struct {
    int textId;
    const wchar_t* english;
  } others[] = {{kTextMenuAltlayer, L"Altlayer[+] Orvix One"}, {kTextMenuParly, L"NORVEL Parly"},
                {kTextMenuMacros, L"Macro + Preset Compilation"}, {kTextMenuCreateMacro, L"Create New Macro..."},
                {kTextMenuEditMacro, L"Edit Macro..."}, {kTextMenuTimers, L"Assign a Timer"},
                {kTextMenuCreateTimer, L"Create Timer"}, {kTextMenuEditTimers, L"Edit/Delete Timer"},
                {kTextMenuProfile, L"Profile"}, {kTextMenuDpi, L"DPI Setting"}, {kTextMenuSensitivity, L"Sensitivity"},
                {kTextMenuMultimedia, L"Multimedia"}, {kTextMenuSelectPlayer, L"Select Player"},
                {kTextMenuPinpoint, L"Pinpoint"}, {kTextMenuAssignShortcut, L"Assign a Shortcut"},
                {kTextMenuQuicklaunch, L"Quicklaunch"}, {kTextMenuLockUnlock, L"Lock/Unlock"}};
  for (const auto& other : others) EXPECT_EQ(EnglishText(other.textId), other.english) << other.textId;
  for (int id : {kTextHelpNormalLayer, kTextHelpAltLayer, kTextHelpMacroManager, kTextLabelMacroManager})
    EXPECT_FALSE(EnglishText(id).empty()) << id;
}

}  // namespace
}  // namespace orvix::button_page
